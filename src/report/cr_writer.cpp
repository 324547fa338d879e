// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cr_writer.h"

#include <algorithm>

#include "model/report.h"
#include "report/cr_format.h"
#include "report/cr_keys.h"
#include "report/cr_writer_parts.h"

namespace maprune {

namespace {

// The names that the property tables give the header, party, ally, spell and
// potion properties; looked up once.
struct ReportKeys {
    std::string_view Config = CRKeyOf<TReport>("Config");
    std::string_view Game = CRKeyOf<TReport>("Game");
    std::string_view Coordinates = CRKeyOf<TReport>("Coordinates");
    std::string_view Basis = CRKeyOf<TReport>("Basis");
    std::string_view Umlaute = CRKeyOf<TReport>("Umlaute");
    std::string_view Charset = CRKeyOf<TReport>("Charset");
    std::string_view OrderAddress = CRKeyOf<TReport>("OrderAddress");
    std::string_view OrderSubject = CRKeyOf<TReport>("OrderSubject");
    std::string_view ReportOwner = CRKeyOf<TReport>("ReportOwner");
    std::string_view Party = CRKeyOf<TReport>("Parties");
    std::string_view Spell = CRKeyOf<TReport>("Spells");
    std::string_view Potion = CRKeyOf<TReport>("Potions");
};

struct PartyKeys {
    std::string_view Password = CRKeyOf<TParty>("Password");
    std::string_view Points = CRKeyOf<TParty>("Points");
    std::string_view PointAverage = CRKeyOf<TParty>("PointAverage");
    std::string_view Type = CRKeyOf<TParty>("Type_");
    std::string_view RecruteCosts = CRKeyOf<TParty>("RecruteCosts");
    std::string_view Persons = CRKeyOf<TParty>("Persons");
    std::string_view Migrants = CRKeyOf<TParty>("Migrants");
    std::string_view MaxMigrants = CRKeyOf<TParty>("MaxMigrants");
    std::string_view Name = CRKeyOf<TParty>("Name");
    std::string_view EMail = CRKeyOf<TParty>("EMail");
    std::string_view Banner = CRKeyOf<TParty>("Banner");
    std::string_view Options = CRKeyOf<TParty>("Options");
    std::string_view Messages = CRKeyOf<TParty>("Messages");
    std::string_view Events = CRKeyOf<TParty>("Events");
    std::string_view Income = CRKeyOf<TParty>("Income");
    std::string_view Tradings = CRKeyOf<TParty>("Tradings");
    std::string_view Production = CRKeyOf<TParty>("Production");
    std::string_view Movements = CRKeyOf<TParty>("Movements");
    std::string_view Fights = CRKeyOf<TParty>("Fights");
    std::string_view Ally = CRKeyOf<TParty>("Allies");
    std::string_view AllyName = CRKeyOf<TAlly>("Name");
    std::string_view AllyState = CRKeyOf<TAlly>("State");
};

struct SpellKeys {
    std::string_view SpellName = CRKeyOf<TSpell>("Spell");
    std::string_view SpellLevel = CRKeyOf<TSpell>("Level");
    std::string_view SpellDescr = CRKeyOf<TSpell>("Descr");
    std::string_view PotionName = CRKeyOf<TPotion>("Potion");
    std::string_view PotionLevel = CRKeyOf<TPotion>("Level");
    std::string_view Ingredient = CRKeyOf<TPotion>("Ingredients");
    std::string_view PotionDescr = CRKeyOf<TPotion>("Descr");
};

// The header's turn key is read by the report's own code, not by its table.
constexpr std::string_view kTurn = "Runde";
// The format version that the extract of an older report declares.
constexpr int32_t kOlderVersion = 37;

void WriteHeader(CRWriteState& state, const TReport& report, const ReportKeys& k)
{
    CRLineWriter& out = state.Out;
    // A database of today's reports is written as one, with its escapes and
    // keys, so that it reads back with all its values.
    out.Head("VERSION", { state.Today ? report.Version : kOlderVersion });
    out.SetEscapes(state.Today);
    // The texts are written as the database holds them, in its encoding;
    // without the key a reader takes them for Windows-1252.
    if (!report.Charset.empty())
        out.String(report.Charset, k.Charset);
    out.String(report.Config, k.Config);
    out.String(report.Game, k.Game);
    out.String(report.Coordinates, k.Coordinates);
    out.Int(report.Basis, k.Basis);
    out.Int(report.Umlaute, k.Umlaute);
    // Without it the reader dates everything with turn 0 and takes turn 1
    // for the report when no party block carries the turn.
    out.Int(report.Turn, kTurn);
    state.ReaderTurn = report.Turn;
    // The header keys of today's reports read back in every format version.
    if (!report.OrderAddress.empty())
        out.String(report.OrderAddress, k.OrderAddress);
    if (!report.OrderSubject.empty())
        out.String(report.OrderSubject, k.OrderSubject);
    if (report.ReportOwner != -1)
        out.Int(report.ReportOwner, k.ReportOwner);
}

void WriteParty(CRWriteState& state, const TParty& p, std::string_view head)
{
    static const PartyKeys k;
    CRLineWriter& out = state.Out;
    out.Head(head, { p.Nr });
    if (state.Options.TimeInfo && p.Turn >= 2) {
        out.Int(p.Turn, kTurn);
        state.ReaderTurn = p.Turn;
    }
    if (!p.Password.empty())
        out.String(p.Password, k.Password);
    WriteHistory(out, *p.Points, k.Points);
    WriteHistory(out, *p.PointAverage, k.PointAverage);
    if (!p.Type_.empty())
        out.String(p.Type_, k.Type);
    if (p.RecruteCosts != -1)
        out.Int(p.RecruteCosts, k.RecruteCosts);
    WriteHistory(out, *p.Persons, k.Persons);
    if (p.Migrants != -1)
        out.Int(p.Migrants, k.Migrants);
    if (p.MaxMigrants != -1)
        out.Int(p.MaxMigrants, k.MaxMigrants);
    if (!p.Name.empty())
        out.String(p.Name, k.Name);
    if (!p.EMail.empty())
        out.String(p.EMail, k.EMail);
    if (!p.Banner.empty())
        out.String(p.Banner, k.Banner);
    if (p.Options != 0)
        out.Int(p.Options, k.Options);
    out.Block(k.Messages, *p.Messages);
    out.Block(k.Events, *p.Events);
    out.Block(k.Income, *p.Income);
    out.Block(k.Tradings, *p.Tradings);
    out.Block(k.Production, *p.Production);
    out.Block(k.Movements, *p.Movements);
    out.Block(k.Fights, *p.Fights);
    for (const TAlly* ally : *p.Allies) {
        if (ally == nullptr)
            continue;
        out.Head(k.Ally, { ally->Party });
        out.String(ally->Name, k.AllyName);
        out.Int(ally->State, k.AllyState);
    }
}

void WriteSpellsAndPotions(CRLineWriter& out, const TReport& report, const ReportKeys& rk)
{
    static const SpellKeys k;
    for (const TSpell* spell : *report.Spells) {
        if (spell == nullptr)
            continue;
        out.Head(rk.Spell, { spell->Nr });
        out.String(spell->Spell, k.SpellName);
        out.Int(spell->Level, k.SpellLevel);
        out.String(spell->Descr, k.SpellDescr);
    }
    for (const TPotion* potion : *report.Potions) {
        if (potion == nullptr)
            continue;
        out.Head(rk.Potion, { potion->Nr });
        out.String(potion->Potion, k.PotionName);
        out.Int(potion->Level, k.PotionLevel);
        // The reader joins the ingredient lines with one blank again.
        const std::string_view ingredients = potion->Ingredients;
        for (size_t pos = 0; pos < ingredients.size();) {
            const size_t end = std::min(ingredients.find(' ', pos), ingredients.size());
            if (end > pos)
                out.String(ingredients.substr(pos, end - pos), k.Ingredient);
            pos = end + 1;
        }
        out.String(potion->Descr, k.PotionDescr);
    }
}

void WriteParties(CRWriteState& state, const TReport& report, const ReportKeys& k)
{
    const TParty* active = report.FindParty(report.ActiveParty);
    if (active != nullptr)
        WriteParty(state, *active, k.Party);
    for (const TParty* party : *report.Parties) {
        if (party != nullptr && party != active)
            WriteParty(state, *party, k.Party);
    }
    WriteSpellsAndPotions(state.Out, report, k);
}

} // namespace

void WriteHistory(CRLineWriter& out, const THistoryInteger& value, std::string_view key)
{
    if (value.HistoryCount() > 0)
        out.Int(value.CurrentValue(), key);
}

void WriteCRExtract(
    const TReport& report, const CRExtractOptions& options, bool allRegions, ByteSink& sink)
{
    static const ReportKeys k;
    CRLineWriter out(sink);
    CRWriteState state { out, options, IsTodayFormat(report.Version) };
    WriteHeader(state, report, k);
    if (options.PartyInfo)
        WriteParties(state, report, k);
    for (const TRegion* region : *report.Regions) {
        if (region != nullptr && (allRegions || (region->Tag() & TagSelected) != 0))
            WriteRegionBlock(state, *region);
    }
    out.Finish();
}

std::string CROrderText(const std::string& order)
{
    std::string text;
    text.reserve(order.size());
    bool quoted = false;
    for (const char c : order) {
        if (c == '"')
            quoted = !quoted;
        else
            text += quoted && c == ' ' ? '~' : c;
    }
    return text;
}

} // namespace maprune
