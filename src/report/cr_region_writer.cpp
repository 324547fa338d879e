// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_keys.h"
#include "report/cr_writer_parts.h"
#include "report/ship_values.h"
#include "report/today_blocks.h"

namespace maprune {

namespace {

struct RegionKeys {
    std::string_view Head = CRKeyOf<TReport>("Regions");
    std::string_view Name = CRKeyOf<TRegion>("Name");
    std::string_view Terrain = CRKeyOf<TRegion>("Terrain");
    std::string_view Iron = CRKeyOf<TRegion>("Iron");
    std::string_view Laen = CRKeyOf<TRegion>("Laen");
    std::string_view Peasants = CRKeyOf<TRegion>("Peasants");
    std::string_view Horses = CRKeyOf<TRegion>("Horses");
    std::string_view Descr = CRKeyOf<TRegion>("Descr");
    std::string_view Trees = CRKeyOf<TRegion>("Trees");
    std::string_view Mallorn = CRKeyOf<TRegion>("Mallorn");
    std::string_view Silver = CRKeyOf<TRegion>("Silver");
    std::string_view Street = CRKeyOf<TRegion>("Street");
    std::string_view Entertainment = CRKeyOf<TRegion>("Entertainment");
    std::string_view Recrutees = CRKeyOf<TRegion>("Recrutees");
    std::string_view Wages = CRKeyOf<TRegion>("Wages");
    std::string_view Stones = CRKeyOf<TRegion>("Stones");
    std::string_view Saplings = CRKeyOf<TRegion>("Saplings");
    std::string_view MallornSaplings = CRKeyOf<TRegion>("MallornSaplings");
    std::string_view Prices = CRKeyOf<TRegion>("Prices");
    std::string_view Events = CRKeyOf<TRegion>("Events");
    std::string_view Messages = CRKeyOf<TRegion>("Messages");
    std::string_view Surrounding = CRKeyOf<TRegion>("Surrounding");
    std::string_view Comment = CRKeyOf<TRegion>("Comment");
    std::string_view Passthrough = CRKeyOf<TRegion>("Passthrough");
    std::string_view Building = CRKeyOf<TRegion>("Buildings");
    std::string_view Ship = CRKeyOf<TRegion>("Ships");
    std::string_view Unit = CRKeyOf<TRegion>("Units");
};

// Keys shared by units, ships and buildings.
struct NamedKeys {
    std::string_view Name = CRKeyOf<TNamedItem>("Name");
    std::string_view Descr = CRKeyOf<TNamedItem>("Descr");
    std::string_view Party = CRKeyOf<TNamedItem>("Party");
};

struct BuildingKeys {
    std::string_view Type = CRKeyOf<TBuilding>("Type_");
    std::string_view Size = CRKeyOf<TBuilding>("Size");
    std::string_view Captain = CRKeyOf<TBuilding>("Captain");
    std::string_view Support = CRKeyOf<TBuilding>("Support");
};

struct ShipKeys {
    std::string_view Type = CRKeyOf<TShip>("Type_");
    std::string_view Captain = CRKeyOf<TShip>("Captain");
    std::string_view Damage = CRKeyOf<TShip>("Damage");
    std::string_view Coast = CRKeyOf<TShip>("Coast");
    std::string_view Percent = CRKeyOf<TShip>("Percent");
    std::string_view Load = CRKeyOf<TShip>("Load");
    std::string_view MaxLoad = CRKeyOf<TShip>("MaxLoad");
    std::string_view Size = CRKeyOf<TShip>("Size");
    std::string_view Cargo = CRKeyOf<TShip>("Cargo");
    std::string_view Capacity = CRKeyOf<TShip>("Capacity");
    std::string_view Count = CRKeyOf<TShip>("Count");
};

struct UnitKeys {
    std::string_view Count = CRKeyOf<TUnit>("Count");
    std::string_view Type = CRKeyOf<TUnit>("Type_");
    std::string_view TrueType = CRKeyOf<TUnit>("TrueType");
    std::string_view Silver = CRKeyOf<TUnit>("Silver");
    std::string_view FightState = CRKeyOf<TUnit>("FightState");
    std::string_view Cloak = CRKeyOf<TUnit>("Cloak");
    std::string_view CloakParty = CRKeyOf<TUnit>("CloakParty");
    std::string_view Observes = CRKeyOf<TUnit>("Observes");
    std::string_view Besiege = CRKeyOf<TUnit>("Besiege");
    std::string_view Building = CRKeyOf<TUnit>("Building");
    std::string_view Ship = CRKeyOf<TUnit>("Ship");
    std::string_view Private = CRKeyOf<TUnit>("Private_");
    std::string_view Default = CRKeyOf<TUnit>("Default_");
    std::string_view HitPoints = CRKeyOf<TUnit>("HitPoints");
    std::string_view Commands = CRKeyOf<TUnit>("Commands");
    std::string_view Talents = CRKeyOf<TUnit>("Talents");
    std::string_view Items = CRKeyOf<TUnit>("Items");
    std::string_view Spells = CRKeyOf<TUnit>("Spells");
    std::string_view Messages = CRKeyOf<TUnit>("Messages");
    std::string_view Weight = CRKeyOf<TUnit>("Weight");
};

constexpr std::string_view kTurn = "Runde";
// The reader adds the unit's silver as an item of this name.
constexpr std::string_view kSilverItem = "Silber";
// The values a ship reads back without their lines.
constexpr int32_t kFullPercent = 100;
constexpr int32_t kDefaultMaxLoad = 100;
// The region histories that today's reports give for the turn before too.
constexpr std::array<SubObject<THistoryInteger> TRegion::*, 6> kPreviousTurnValues
    = { &TRegion::Peasants, &TRegion::Silver, &TRegion::Horses, &TRegion::Trees, &TRegion::Saplings,
          &TRegion::Wages };

// A value line only for a history that has a value other than `omitted`
// (which the reader gives it again without the line).
void WriteUnless(
    CRLineWriter& out, const THistoryInteger& value, int32_t omitted, std::string_view key)
{
    if (value.HistoryCount() > 0 && value.CurrentValue() != omitted)
        out.Int(value.CurrentValue(), key);
}

// The turns of the region's information, where they are not the turn the
// reader will date the region with anyway.
void WriteTimeLines(CRWriteState& state, const TRegion& r)
{
    CRLineWriter& out = state.Out;
    if (r.FullInfoDate < 1 || !state.Options.RegionInfo) {
        if (r.InfoDate != state.ReaderTurn)
            out.Int(r.InfoDate, kTurn);
    } else if (r.FullInfoDate >= r.InfoDate) {
        if (r.FullInfoDate != state.ReaderTurn)
            out.Int(r.FullInfoDate, kTurn);
    } else {
        out.Int(r.FullInfoDate, kTurn);
        out.Int(r.InfoDate, kTurn);
    }
}

// The "letzte..." lines: the value of the turn before the region's, which
// the reader of today's reports dates so.
void WritePreviousValues(CRLineWriter& out, const TRegion& r)
{
    for (const auto member : kPreviousTurnValues) {
        for (const THistoryInteger::Entry& e : (r.*member)->History()) {
            if (e.Date == r.Turn - 1)
                out.Int(e.Value, PreviousValueKey(member));
        }
    }
}

void WriteRegionInfo(const CRWriteState& state, const TRegion& r, const RegionKeys& k)
{
    CRLineWriter& out = state.Out;
    const bool described = r.FullInfoDate > 0;
    // The reader records 0 for these in a region whose "Lohn" line marks it
    // fully described, so only there a 0 may go without its line; iron and
    // laen only where the terrain cannot hold them. Today's reports name
    // iron in any terrain.
    const int32_t refilled = described && r.Wages->HistoryCount() > 0 ? 0 : -1;
    const GameRecord* terrain = r.EffectiveTerrainType();
    const bool ironTerrain = terrain != nullptr && terrain->CanHoldIron();
    const bool laenTerrain = terrain != nullptr && terrain->CanHoldLaen();
    if (r.Terrain == "Berge" || r.Terrain == "Gletscher")
        WriteHistory(out, *r.Iron, k.Iron);
    else
        WriteUnless(out, *r.Iron, ironTerrain ? -1 : refilled, k.Iron);
    if (r.Terrain == "Berge")
        WriteHistory(out, *r.Laen, k.Laen);
    else
        WriteUnless(out, *r.Laen, laenTerrain ? -1 : refilled, k.Laen);
    WriteUnless(out, *r.Peasants, refilled, k.Peasants);
    WriteUnless(out, *r.Horses, refilled, k.Horses);
    if (!r.Descr.empty())
        out.String(r.Descr, k.Descr);
    WriteUnless(out, *r.Trees, refilled, k.Trees);
    if (r.Mallorn != -1)
        out.Int(r.Mallorn, k.Mallorn);
    WriteHistory(out, *r.Silver, k.Silver);
    WriteUnless(out, *r.Street, refilled, k.Street);
    // The reader derives both from silver and peasants; only a known value
    // that differs is worth a line.
    if (r.Entertainment != -1 && r.Entertainment != r.Silver->CurrentValue() / 20)
        out.Int(r.Entertainment, k.Entertainment);
    if (r.Recrutees != -1 && r.Recrutees != r.Peasants->CurrentValue() / 20)
        out.Int(r.Recrutees, k.Recrutees);
    if (described)
        WriteHistory(out, *r.Wages, k.Wages);
    // Today's reports give these in RESOURCE blocks; their keys read back
    // in every format version.
    WriteHistory(out, *r.Stones, k.Stones);
    WriteHistory(out, *r.Saplings, k.Saplings);
    WriteHistory(out, *r.MallornSaplings, k.MallornSaplings);
    if (state.Today)
        WritePreviousValues(out, r);
    if (!r.Prices->Entries.empty()) {
        out.Head(k.Prices);
        for (const TPrice& price : r.Prices->Entries)
            out.Int(price.Price, price.Item);
    }
    const bool party = state.Options.PartyInfo;
    out.Block(k.Events, *r.Events);
    if (party)
        out.Block(k.Messages, *r.Messages);
    out.Block(k.Surrounding, *r.Surrounding);
    if (party)
        out.Block(k.Comment, *r.Comment);
    out.Block(k.Passthrough, *r.Passthrough);
}

void WriteBuilding(CRLineWriter& out, const TBuilding& b, std::string_view head)
{
    static const NamedKeys n;
    static const BuildingKeys k;
    out.Head(head, { b.Nr });
    out.String(b.Type_, k.Type);
    out.String(b.Name, n.Name);
    if (!b.Descr.empty())
        out.String(b.Descr, n.Descr);
    WriteHistory(out, *b.Size, k.Size);
    if (b.Captain != -1)
        out.Int(b.Captain, k.Captain);
    if (b.Party != -1)
        out.Int(b.Party, n.Party);
    WriteUnless(out, *b.Support, 0, k.Support);
}

void WriteShip(const CRWriteState& state, const TShip& s, std::string_view head)
{
    static const NamedKeys n;
    static const ShipKeys k;
    CRLineWriter& out = state.Out;
    out.Head(head, { s.Nr });
    if (!s.Name.empty())
        out.String(s.Name, n.Name);
    if (!s.Descr.empty())
        out.String(s.Descr, n.Descr);
    out.String(s.Type_, k.Type);
    if (s.Captain != -1)
        out.Int(s.Captain, k.Captain);
    // The reader takes a ship's party from its captain only when his unit is
    // in the extract; the line keeps it in every case.
    if (s.Party != -1)
        out.Int(s.Party, n.Party);
    if (s.Count != 1)
        out.Int(s.Count, k.Count);
    if (!state.Options.PartyInfo)
        return;
    WriteUnless(out, *s.Damage, 0, k.Damage);
    if (s.Coast != -1)
        out.Int(s.Coast, k.Coast);
    // The older keys only where the reader would not derive their values
    // from those of today's reports.
    WriteUnless(out, *s.Percent, PercentFromSize(s).value_or(kFullPercent), k.Percent);
    WriteUnless(out, *s.Load, WholeWeightUnits(*s.Cargo).value_or(0), k.Load);
    WriteUnless(
        out, *s.MaxLoad, WholeWeightUnits(*s.Capacity).value_or(kDefaultMaxLoad), k.MaxLoad);
    WriteHistory(out, *s.Size, k.Size);
    WriteHistory(out, *s.Cargo, k.Cargo);
    WriteHistory(out, *s.Capacity, k.Capacity);
}

// The unit's items; silver travels in its own line and comes back as an
// item, except in today's format, where the silver is the item.
void WriteItems(CRLineWriter& out, const TUnit& u, const UnitKeys& k, bool today)
{
    const std::vector<TItem>& items = u.Items->Entries;
    const int32_t silver = today ? u.Silver->CurrentValue() : 0;
    if (silver <= 0 && std::none_of(items.begin(), items.end(), [](const TItem& item) {
            return item.Item != kSilverItem;
        }))
        return;
    out.Head(k.Items);
    for (const TItem& item : items) {
        if (item.Item != kSilverItem)
            out.Int(item.Count, item.Item);
    }
    if (silver > 0)
        out.Int(silver, kSilverItem);
}

void WriteUnitDetails(CRLineWriter& out, const TUnit& u, const UnitKeys& k, bool today)
{
    if (!u.TrueType.empty())
        out.String(u.TrueType, k.TrueType);
    if (!today)
        WriteUnless(out, *u.Silver, 0, k.Silver);
    if (u.FightState != 0)
        out.Int(u.FightState, k.FightState);
    if (u.Cloak != -1)
        out.Int(u.Cloak, k.Cloak);
    if (u.CloakParty != 0)
        out.Int(u.CloakParty, k.CloakParty);
    if (u.Observes != 0)
        out.Int(u.Observes, k.Observes);
    if (u.Besiege != 0)
        out.Int(u.Besiege, k.Besiege);
    if (u.Building != -1)
        out.Int(u.Building, k.Building);
    if (u.Ship != -1)
        out.Int(u.Ship, k.Ship);
    if (!u.Private_.empty())
        out.String(u.Private_, k.Private);
    // The reader takes the first order for the default when none is given,
    // so only another one needs its line; a default without orders too.
    const TLines& orders = *u.Commands;
    if (!u.Default_.empty() && (orders.Count() == 0 || u.Default_ != orders.Line(0)))
        out.String(u.Default_, k.Default);
    if (u.HitPoints != "gesund")
        out.String(u.HitPoints, k.HitPoints);
    if (orders.Count() > 0) {
        out.Head(k.Commands);
        for (const std::string& order : orders.Lines())
            out.Text(CROrderText(order));
    }
    if (!u.Talents->Entries.empty()) {
        out.Head(k.Talents);
        for (const TTalent& t : u.Talents->Entries)
            out.Pair(t.Days, t.Level, t.Talent);
    }
    WriteItems(out, u, k, today);
    out.Block(k.Spells, *u.Spells);
    out.Block(k.Messages, *u.Messages);
}

void WriteUnit(const CRWriteState& state, const TUnit& u, std::string_view head)
{
    static const NamedKeys n;
    static const UnitKeys k;
    CRLineWriter& out = state.Out;
    out.Head(head, { u.Nr });
    if (!u.Name.empty())
        out.String(u.Name, n.Name);
    if (!u.Descr.empty())
        out.String(u.Descr, n.Descr);
    if (u.Party != -1)
        out.Int(u.Party, n.Party);
    WriteHistory(out, *u.Count, k.Count);
    out.String(u.Type_, k.Type);
    if (u.Weight != -1)
        out.Int(u.Weight, k.Weight);
    if (state.Options.PartyInfo)
        WriteUnitDetails(out, u, k, state.Today);
}

} // namespace

void WriteRegionBlock(CRWriteState& state, const TRegion& r)
{
    static const RegionKeys k;
    CRLineWriter& out = state.Out;
    if (r.CZ != 0)
        out.Head(k.Head, { r.CX, r.CY, r.CZ });
    else
        out.Head(k.Head, { r.CX, r.CY });
    const CRExtractOptions& options = state.Options;
    if (options.RegionNames && !r.Name.empty())
        out.String(r.Name, k.Name);
    out.String(r.Terrain, k.Terrain);
    if (options.TimeInfo)
        WriteTimeLines(state, r);
    if (options.RegionInfo)
        WriteRegionInfo(state, r, k);
    if (options.Buildings) {
        for (const TBuilding* b : *r.Buildings) {
            if (b != nullptr)
                WriteBuilding(out, *b, k.Building);
        }
    }
    if (!options.UnitsAndShips)
        return;
    for (const TShip* s : *r.Ships) {
        if (s != nullptr)
            WriteShip(state, *s, k.Ship);
    }
    for (const TUnit* u : *r.Units) {
        if (u != nullptr)
            WriteUnit(state, *u, k.Unit);
    }
}

} // namespace maprune
