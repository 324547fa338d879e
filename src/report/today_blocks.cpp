// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/today_blocks.h"

#include <algorithm>
#include <charconv>
#include <memory>

#include "core/text_encoding.h"
#include "model/report.h"
#include "report/block_reading.h"

namespace maprune {

namespace {

struct UnusedKeys {
    std::string_view Block;
    std::array<std::string_view, 11> Keys;
};

constexpr std::array<UnusedKeys, 5> kUnusedKeys = { {
    { "PARTEI",
        { "locale", "age", "Magiegebiet", "heroes", "max_heroes", "typprefix", "alliance",
            "nmr" } },
    { "REGION", { "id", "Insel", "morale", "owner" } },
    { "EINHEIT",
        { "typprefix", "temp", "gruppe", "Aura", "Auramax", "hunger", "hero", "Anderepartei",
            "alias", "familiarmage" } },
    { "SCHIFF", { "speed" } },
    { "ZAUBER", { "rank", "syntax", "class", "familiar", "ship", "far" } },
} };

// The values of the previous turn that client tools add to a region.
constexpr std::string_view kPreviousValuePrefix = "letzte";

using RegionHistory = SubObject<THistoryInteger> TRegion::*;

struct NamedValue {
    std::string_view Name; // as UTF-8
    RegionHistory History;
};

// The previous-turn keys that have a history; the others ("letzterekruten",
// "letzteunterh", "letzteluxus") are derived or kept nowhere.
constexpr std::array<NamedValue, 6> kPreviousValues = { {
    { "letztebauern", &TRegion::Peasants },
    { "letztessilber", &TRegion::Silver },
    { "letztepferde", &TRegion::Horses },
    { "letztebaeume", &TRegion::Trees },
    { "letzteSchoesslinge", &TRegion::Saplings },
    { "letzterlohn", &TRegion::Wages },
} };

// Resource types in their plural and singular forms, with and without
// umlauts; mallorn trees go to the region's Mallorn.
constexpr std::array<NamedValue, 24> kResourceValues = { {
    { "Bauern", &TRegion::Peasants },
    { "Bauer", &TRegion::Peasants },
    { "Silber", &TRegion::Silver },
    { "Pferde", &TRegion::Horses },
    { "Pferd", &TRegion::Horses },
    { "Bäume", &TRegion::Trees },
    { "Baeume", &TRegion::Trees },
    { "Baum", &TRegion::Trees },
    { "Eisen", &TRegion::Iron },
    { "Laen", &TRegion::Laen },
    { "Steine", &TRegion::Stones },
    { "Stein", &TRegion::Stones },
    { "Schößlinge", &TRegion::Saplings },
    { "Schoesslinge", &TRegion::Saplings },
    { "Schößling", &TRegion::Saplings },
    { "Schoessling", &TRegion::Saplings },
    { "Mallornschößlinge", &TRegion::MallornSaplings },
    { "Mallornschoesslinge", &TRegion::MallornSaplings },
    { "Mallornschößling", &TRegion::MallornSaplings },
    { "Mallornschoessling", &TRegion::MallornSaplings },
    { "Mallorn", nullptr },
    { "Mallornbäume", nullptr },
    { "Mallornbaeume", nullptr },
    { "Mallornbaum", nullptr },
} };

std::string_view TrimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The numbers of a BATTLE head; none when it has fewer than two.
std::optional<std::array<int32_t, 3>> HeadCoordinates(std::string_view params)
{
    std::array<int32_t, 3> xyz {};
    size_t found = 0;
    size_t pos = 0;
    while (found < xyz.size()) {
        pos = params.find_first_not_of(' ', pos);
        if (pos == std::string_view::npos)
            break;
        const size_t end = std::min(params.find(' ', pos), params.size());
        const char* const stop = params.data() + end;
        const auto [last, error] = std::from_chars(params.data() + pos, stop, xyz[found]);
        if (error != std::errc() || last != stop)
            return std::nullopt;
        ++found;
        pos = end;
    }
    if (found < 2)
        return std::nullopt;
    return xyz;
}

TLines& SectionLines(TParty& party, std::string_view section)
{
    if (section == "events")
        return *party.Events;
    if (section == "economy")
        return *party.Income;
    if (section == "production")
        return *party.Production;
    if (section == "movement")
        return *party.Movements;
    if (section == "battle")
        return *party.Fights;
    return *party.Messages;
}

// "Kampf in Tirana (3,4)": the region in the report's own bytes.
std::string BattleHeading(TReport& report, const std::array<int32_t, 3>& at)
{
    std::string where = "(" + std::to_string(at[0]) + "," + std::to_string(at[1])
        + (at[2] != 0 ? "," + std::to_string(at[2]) : std::string()) + ")";
    const TRegion* region = report.FindRegion(at[0], at[1], at[2]);
    if (region != nullptr && !region->Name.empty())
        where = region->Name + " " + where;
    return "Kampf in " + where;
}

} // namespace

bool IsUnusedTodayKey(std::string_view block, std::string_view key)
{
    for (const UnusedKeys& entry : kUnusedKeys) {
        if (entry.Block == block)
            return !key.empty()
                && std::find(entry.Keys.begin(), entry.Keys.end(), key) != entry.Keys.end();
    }
    return false;
}

CRMessage ReadMessage(TCRInterface& cr)
{
    CRMessage message;
    ReadValueLines(cr, [&message](const CRToken& token) {
        if (token.Key == "type")
            message.Type = TrimBlanks(token.Value);
        else if (token.Key == "rendered")
            message.Text = token.Value;
    });
    return message;
}

void ReadMessageType(TCRInterface& cr)
{
    const std::string type(TrimBlanks(cr.CurrentLine().Params));
    ReadValueLines(cr, [&cr, &type](const CRToken& token) {
        if (token.Key == "section")
            cr.Pending.Sections[type] = token.Value;
    });
}

void ReadBattle(TCRInterface& cr)
{
    const std::optional<std::array<int32_t, 3>> where = HeadCoordinates(cr.CurrentLine().Params);
    if (!where) {
        SkipTodayBlock(cr);
        return;
    }
    CRPendingMessages::Battle battle;
    battle.Where = *where;
    ReadValueLines(cr, [](const CRToken&) {});
    for (const CRToken* token = &cr.CurrentLine();
         token->LineType == CRLineType::BlockHead && token->Block == "MESSAGE";
         token = &cr.CurrentLine()) {
        CRMessage message = ReadMessage(cr);
        if (!message.Text.empty())
            battle.Lines.push_back(std::move(message.Text));
    }
    cr.Pending.Battles.push_back(std::move(battle));
}

void ReadSpellEntry(TCRInterface& cr, TReport& report)
{
    std::unique_ptr<TSpell> spell = CreateEmpty<TSpell>(&report);
    // Dated like the SPRUCH block of older reports, which it replaces.
    spell->Turn = report.Turn;
    const std::string_view number = TrimBlanks(cr.CurrentLine().Params);
    // Spell numbers of some servers exceed 32 bits; spells are told apart
    // by their names anyway.
    std::from_chars(number.data(), number.data() + number.size(), spell->Nr);
    ReadPropertyValues(cr, *spell, "Unbekannter Wert für Spruch: ", [](const CRToken& token) {
        return IsUnusedTodayKey("ZAUBER", token.Key);
    });
    report.Spells->Add(std::move(spell));
}

void ReadResource(TCRInterface& cr, TRegion& region)
{
    std::string type;
    std::optional<int32_t> number;
    int32_t date = region.Turn;
    ReadValueLines(cr, [&](const CRToken& token) {
        if (token.Key == "type")
            type = token.Value;
        else if (token.Key == "number")
            number = CRInt(cr, token.Value);
        else if (token.Key == "Runde")
            date = CRInt(cr, token.Value);
    });
    if (!number)
        return;
    // Some servers write a hash of an internal name as the type: no value.
    const std::string name = DisplayText(type);
    for (const NamedValue& value : kResourceValues) {
        if (value.Name != name)
            continue;
        // A key line of the region (read before) has the first word.
        if (value.History == nullptr && region.Mallorn == -1)
            region.Mallorn = *number;
        else if (value.History != nullptr)
            (region.*value.History)->AddValue(date, *number);
        return;
    }
}

bool IsPreviousValueKey(std::string_view key)
{
    return key.substr(0, kPreviousValuePrefix.size()) == kPreviousValuePrefix;
}

void ReadPreviousValue(TCRInterface& cr, TRegion& region, const CRToken& token)
{
    // Turn 1 has no turn before it.
    if (region.Turn < 2)
        return;
    for (const NamedValue& value : kPreviousValues) {
        if (value.Name == token.Key) {
            (region.*value.History)->AddValue(region.Turn - 1, CRInt(cr, token.Value));
            return;
        }
    }
}

std::string_view PreviousValueKey(RegionHistory history)
{
    for (const NamedValue& value : kPreviousValues) {
        if (value.History == history)
            return value.Name;
    }
    return {};
}

std::optional<int32_t> ReadBorderRoad(TCRInterface& cr)
{
    bool road = false;
    int32_t percent = 100;
    ReadValueLines(cr, [&](const CRToken& token) {
        if (token.Key == "typ") {
            const std::string type = DisplayText(token.Value);
            road = type == "Straße" || type == "Strasse";
        } else if (token.Key == "prozent") {
            percent = CRInt(cr, token.Value);
        }
    });
    return road ? std::optional<int32_t>(percent) : std::nullopt;
}

void SettlePartyMessages(TCRInterface& cr)
{
    const auto& sections = cr.Pending.Sections;
    for (CRPendingMessages::PartyMessage& message : cr.Pending.PartyMessages) {
        const auto section = sections.find(message.Type);
        SectionLines(*message.Party, section != sections.end() ? section->second : std::string())
            .Add(std::move(message.Text));
    }
    cr.Pending.PartyMessages.clear();
}

void SettleBattles(TCRInterface& cr, TReport& report, TParty* ownParty)
{
    std::vector<CRPendingMessages::Battle> battles = std::move(cr.Pending.Battles);
    cr.Pending.Battles.clear();
    if (ownParty == nullptr)
        return;
    for (CRPendingMessages::Battle& battle : battles) {
        ownParty->Fights->Add(BattleHeading(report, battle.Where));
        for (std::string& line : battle.Lines)
            ownParty->Fights->Add(std::move(line));
    }
}

} // namespace maprune
