// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/region.h"

#include <algorithm>

#include "core/error.h"
#include "core/text_encoding.h"
#include "model/game_data.h"
#include "model/hex_neighbours.h"
#include "model/property_builders.h"
#include "model/report.h"

namespace maprune {

namespace {

const TRegion& AsRegion(const TReportItem& item)
{
    return static_cast<const TRegion&>(item);
}

// Storage tests: land values are not kept for water, iron and laen only where
// the terrain can hold them, unless the region holds a value there that
// loading would not give it again (today's reports name iron, silver or
// horses in any terrain): a database gives back what was saved.
bool OnLand(const TReportItem& item)
{
    const GameRecord* terrain = AsRegion(item).EffectiveTerrainType();
    return terrain == nullptr || !terrain->IsWater();
}

bool CanHoldIron(const TReportItem& item)
{
    const GameRecord* terrain = AsRegion(item).EffectiveTerrainType();
    return terrain != nullptr && terrain->CanHoldIron();
}

bool CanHoldLaen(const TReportItem& item)
{
    const GameRecord* terrain = AsRegion(item).EffectiveTerrainType();
    return terrain != nullptr && terrain->CanHoldLaen();
}

using RegionHistory = SubObject<THistoryInteger> TRegion::*;

// Whether loading recreates `history` without its record: empty, or (for the
// values that a complete description fills with 0) just that 0.
bool RecreatedOnLoad(const TRegion& region, const THistoryInteger& history, bool zeroFilled)
{
    if (history.HistoryCount() == 0)
        return true;
    return zeroFilled && region.FullInfoDate > 0 && history.HistoryCount() == 1
        && history.History().front() == THistoryInteger::Entry { region.FullInfoDate, 0 };
}

template <bool (*Test)(const TReportItem&), RegionHistory M, bool ZeroFilled>
bool StoredWhere(const TReportItem& item)
{
    const TRegion& region = AsRegion(item);
    return Test(item) || !RecreatedOnLoad(region, *(region.*M), ZeroFilled);
}

} // namespace

const ClassInfo& TRegion::StaticClass()
{
    using R = TRegion;
    using H = THistoryInteger;
    static const ClassInfo info = MakeClassInfo<TRegion>("TRegion", &TReportItem::StaticClass(),
        ExtendProperties(TReportItem::StaticClass().Properties,
            { IntProperty<R, &R::Bitmap_>("Bitmap_").NeverStored(),
                ObjectProperty<R, TBuildingList, &R::Buildings>("Buildings").CRBlock("BURG"),
                IntProperty<R, &R::CX>("CX").CRHead(), IntProperty<R, &R::CY>("CY").CRHead(),
                IntProperty<R, &R::CZ>("CZ").CRHead(),
                ObjectProperty<R, TLines, &R::Comment>("Comment").CRBlock("REGIONSKOMMENTAR"),
                StringProperty<R, &R::Descr>("Descr").CRKey({ "Beschr" }),
                IntProperty<R, &R::Entertainment>("Entertainment")
                    .NeverStored()
                    .CRKey({ "Unterh" }),
                ObjectProperty<R, TLines, &R::Events>("Events").CRBlock("REGIONSEREIGNISSE"),
                IntProperty<R, &R::FullInfoDate>("FullInfoDate").CRKey({ "InfoDatum2" }),
                ObjectProperty<R, H, &R::Horses>("Horses")
                    .CRKey({ "Pferde" })
                    .StoredWhen(StoredWhere<OnLand, &R::Horses, true>),
                IntProperty<R, &R::InfoDate>("InfoDate").WithDefault(-1).CRKey({ "InfoDatum" }),
                ObjectProperty<R, H, &R::Iron>("Iron")
                    .CRKey({ "Eisen" })
                    .StoredWhen(StoredWhere<CanHoldIron, &R::Iron, true>),
                ObjectProperty<R, H, &R::Laen>("Laen")
                    .CRKey({ "Laen" })
                    .StoredWhen(StoredWhere<CanHoldLaen, &R::Laen, true>),
                IntProperty<R, &R::Mallorn>("Mallorn").WithDefault(-1).CRKey({ "Mallorn" }),
                ObjectProperty<R, TPrices, &R::Prices>("Prices").CRBlock("PREISE"),
                ObjectProperty<R, TLines, &R::Messages>("Messages").CRBlock("REGIONSBOTSCHAFTEN"),
                StringProperty<R, &R::Name>("Name").CRKey({ "Name" }),
                ObjectProperty<R, TLines, &R::Passthrough>("Passthrough").CRBlock("DURCHREISE"),
                ObjectProperty<R, H, &R::Peasants>("Peasants")
                    .CRKey({ "Bauern" })
                    .StoredWhen(StoredWhere<OnLand, &R::Peasants, true>),
                IntProperty<R, &R::Recrutees>("Recrutees").NeverStored().CRKey({ "Rekruten" }),
                ObjectProperty<R, TShipList, &R::Ships>("Ships").CRBlock("SCHIFF"),
                ObjectProperty<R, H, &R::Silver>("Silver")
                    .CRKey({ "Silber" })
                    .StoredWhen(StoredWhere<OnLand, &R::Silver, false>),
                ObjectProperty<R, H, &R::Street>("Street")
                    .CRKey({ "Strasse" })
                    .StoredWhen(StoredWhere<OnLand, &R::Street, true>),
                ObjectProperty<R, TLines, &R::Surrounding>("Surrounding").CRBlock("UMGEBUNG"),
                StringProperty<R, &R::Terrain>("Terrain").CRKey({ "Terrain" }),
                ObjectProperty<R, H, &R::Trees>("Trees")
                    .CRKey({ "Baeume" })
                    .StoredWhen(StoredWhere<OnLand, &R::Trees, true>),
                ObjectProperty<R, TUnitList, &R::Units>("Units").CRBlock("EINHEIT"),
                ObjectProperty<R, H, &R::Wages>("Wages").CRKey({ "Lohn" }),
                ObjectProperty<R, TPoliticInfoList, &R::Politic>("Politic"),
                ObjectProperty<R, H, &R::Stones>("Stones")
                    .CRKey({ "Steine" })
                    .StoredWhen(StoredWhere<OnLand, &R::Stones, false>),
                ObjectProperty<R, H, &R::Saplings>("Saplings")
                    .CRKey({ "Schoesslinge" })
                    .StoredWhen(StoredWhere<OnLand, &R::Saplings, false>),
                ObjectProperty<R, H, &R::MallornSaplings>("MallornSaplings")
                    .CRKey({ "Mallornschoesslinge" })
                    .StoredWhen(StoredWhere<OnLand, &R::MallornSaplings, false>) }));
    return info;
}

MAPRUNE_DEFINE_PLAIN_CLASS(TRegionList, TReportItemList)

void TRegion::OnTagChanged(int32_t oldTag)
{
    if (((oldTag ^ Tag()) & TagSelected) != 0 && Owner() != nullptr && Owner()->SelectionChanged)
        Owner()->SelectionChanged(*this);
}

void TRegion::LinkNeighbours()
{
    TReport& report = *Owner();
    for (int i = 0; i < kDirections; ++i) {
        // Far-out coordinates wrap instead of overflowing; no region lies there.
        const auto x = static_cast<int32_t>(
            static_cast<uint32_t>(CX) + static_cast<uint32_t>(kNeighbourOffsets[i].X));
        const auto y = static_cast<int32_t>(
            static_cast<uint32_t>(CY) + static_cast<uint32_t>(kNeighbourOffsets[i].Y));
        Neighbours[static_cast<size_t>(i)] = report.FindRegion(x, y, CZ);
    }
}

TRegion* TRegion::Neighbour(int direction) const
{
    const int d = direction & 0x7F;
    return d < kDirections ? Neighbours[static_cast<size_t>(d)] : nullptr;
}

void TRegion::SetRouteMark(int direction, uint8_t value)
{
    if (direction < 0 || direction >= kDirections)
        return;
    uint8_t& mark = RouteMarks[static_cast<size_t>(direction)];
    if (mark != value) {
        mark = value;
        SetTag(Tag() | TagNeedsRedraw);
    }
}

int32_t TRegion::MaxTalentLevel(int talentNumber) const
{
    GameData& game = GameDataInstance();
    const GameRecord* talentType;
    try {
        talentType = &game.GetTalentType(talentNumber);
    } catch (const Error&) {
        return 0;
    }
    const int32_t activeParty = Owner()->ActiveParty;
    int32_t best = 0;
    for (const TUnit* unit : *Units) {
        if (unit == nullptr || unit->Party != activeParty)
            continue;
        for (const TTalent& talent : unit->Talents->Entries) {
            try {
                if (&game.GetItem(talent.Talent, kinds::Talent) == talentType)
                    best = std::max(best, talent.Level);
            } catch (const Error&) {
                // A name that is no talent is skipped.
            }
        }
    }
    return best;
}

const GameRecord* TRegion::LookupTerrainType() const
{
    GameData& game = GameDataInstance();
    try {
        return &game.GetItem(Terrain, kinds::Terrain);
    } catch (const Error&) {
    }
    try {
        return &game.GetTerrainType(8);
    } catch (const Error&) {
        return nullptr;
    }
}

const GameRecord* TRegion::EffectiveTerrainType() const
{
    return TerrainType != nullptr ? TerrainType : LookupTerrainType();
}

bool TRegion::HasOwnUnit() const
{
    const int32_t activeParty = Owner()->ActiveParty;
    return std::any_of(Units->begin(), Units->end(),
        [activeParty](const TUnit* u) { return u != nullptr && u->Party == activeParty; });
}

bool TRegion::HasOwnGuard() const
{
    const int32_t activeParty = Owner()->ActiveParty;
    return std::any_of(Units->begin(), Units->end(), [activeParty](const TUnit* u) {
        return u != nullptr && u->Party == activeParty && u->Observes != 0;
    });
}

std::string RegionDescription(const TRegion* region)
{
    if (region == nullptr)
        return {};
    std::string coordinates = "(" + std::to_string(region->CX) + "," + std::to_string(region->CY);
    if (region->CZ != 0)
        coordinates += "," + std::to_string(region->CZ);
    coordinates += ")";
    const std::string name = DisplayText(region->Name);
    const std::string terrain = DisplayText(region->Terrain);
    if (!name.empty() && !terrain.empty())
        return terrain + " von " + name + " " + coordinates;
    if (!name.empty())
        return name + " " + coordinates;
    if (!terrain.empty())
        return terrain + " " + coordinates;
    return coordinates;
}

} // namespace maprune
