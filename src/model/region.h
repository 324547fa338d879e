// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/building.h"
#include "model/entry_lists.h"
#include "model/history_integer.h"
#include "model/lines.h"
#include "model/politic_info.h"
#include "model/report_item_list.h"
#include "model/ship.h"
#include "model/sub_object.h"
#include "model/unit.h"

namespace maprune {

struct GameRecord;

// Bits of a region's Tag.
enum RegionTagBit : int32_t {
    TagSelected = 1 << 0, // stored with the database
    TagDrawn = 1 << 1, // drawn in the present redraw
    TagScratch = 1 << 2, // mark of the selection operations
    TagNeedsRedraw = 1 << 8,
    TagOutdated = 1 << 9,
};

// A hex of the world map with what stands and lives in it.
class TRegion : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    static constexpr int kDirections = 6;

    // The numbers first, side by side: no padding between them in the many regions.
    int32_t Bitmap_ = 0; // map symbol number of the terrain type
    int32_t CX = 0;
    int32_t CY = 0;
    int32_t CZ = 0; // layer
    int32_t Entertainment = -1; // silver div 20
    int32_t FullInfoDate = 0; // turn of the last complete description, 0 never
    int32_t InfoDate = -1; // turn of the newest information
    int32_t Mallorn = -1;
    int32_t Recrutees = -1; // peasants div 20
    int32_t ReadTurn = 0; // the turn the region was read with
    SubObject<TBuildingList> Buildings;
    SubObject<TLines> Comment;
    std::string Descr;
    SubObject<TLines> Events;
    SubObject<THistoryInteger> Horses;
    SubObject<THistoryInteger> Iron;
    SubObject<THistoryInteger> Laen;
    SubObject<TPrices> Prices;
    SubObject<TLines> Messages;
    std::string Name;
    SubObject<TLines> Passthrough;
    SubObject<THistoryInteger> Peasants;
    SubObject<TShipList> Ships;
    SubObject<THistoryInteger> Silver;
    SubObject<THistoryInteger> Street;
    SubObject<TLines> Surrounding;
    std::string Terrain;
    SubObject<THistoryInteger> Trees;
    SubObject<TUnitList> Units;
    SubObject<THistoryInteger> Wages;
    SubObject<TPoliticInfoList> Politic;
    SubObject<THistoryInteger> Stones; // from today's reports only
    SubObject<THistoryInteger> Saplings; // young trees, today's reports only
    SubObject<THistoryInteger> MallornSaplings; // today's reports only

    // Unpublished.
    std::array<uint8_t, kDirections> RouteMarks {};
    std::array<TRegion*, kDirections> Neighbours {};
    const GameRecord* TerrainType = nullptr;

    // Looks up the six adjacent regions of the same layer (switching the
    // owner's index on) and stores them in Neighbours.
    void LinkNeighbours();
    // Neighbour `direction` (only its low 7 bits count); null outside 0..5.
    TRegion* Neighbour(int direction) const;
    // Sets a route mark; a changed mark flags the region for redrawing.
    void SetRouteMark(int direction, uint8_t value);
    // Highest level of talent type `talentNumber` among the units of the
    // active party; 0 when there is none or the talent type is unknown.
    int32_t MaxTalentLevel(int talentNumber) const;

    // Resolves Terrain in the game reference data (the terrain type with
    // number 8 when the name belongs to another kind); null when neither
    // exists. Does not store the result.
    const GameRecord* LookupTerrainType() const;
    // TerrainType when resolved, else LookupTerrainType().
    const GameRecord* EffectiveTerrainType() const;

    // Map symbol predicates.
    bool HasOwnUnit() const;
    bool HasOwnGuard() const;
    bool HasBuildings() const { return Buildings->Count() > 0; }
    bool HasShips() const { return Ships->Count() > 0; }
    bool HasComment() const { return Comment->Count() > 0; }

    // Reads the REGION block with its units, ships and buildings (src/report).
    void ReadCR(TCRInterface& cr);

protected:
    void OnTagChanged(int32_t oldTag) override;
};

class TRegionList : public TTypedList<TRegion> {
    MAPRUNE_REPORT_CLASS
};

// "Ebene von Tirana (3,4)" and its shorter forms; empty for no region.
std::string RegionDescription(const TRegion* region);

} // namespace maprune
