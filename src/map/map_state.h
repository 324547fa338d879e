// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "map/colour_scale.h"
#include "map/hex_geometry.h"
#include "map/solid_bitmap.h"

namespace maprune {

class TBSPTree;
struct BSPEntry;
class TRegion;
class TReport;

// What the colourings give one region: its colour in statistic mode and its
// shares in political mode.
struct RegionColours {
    Rgb MapColor = kNoValueColour;
    TXSolidBitmap PoliticShares;
};

// The run-time state of one report on the map, owned by whoever draws it:
// the drawing index over the active layer, the layout that index places the
// tiles in, and the colours of every region. The state refers to the report
// without owning it and must not outlive it.
//
// Every switching off of the report's index (TReport::SetIndexed(false))
// drops the drawing index; the state sees it on its next access through
// TReport::IndexChanges. A region keeps its colours as long as it belongs to
// the report; one added since starts with RegionColours' defaults.
class TMapState {
public:
    explicit TMapState(TReport& report);
    ~TMapState();
    TMapState(const TMapState&) = delete;
    TMapState& operator=(const TMapState&) = delete;

    TReport& Report() const { return FReport; }

    // How the drawing index places the tiles (from the setting
    // KelvaranLayout). Another layout switches the report's index off, which
    // drops the drawing index.
    MapLayout TileLayout() const { return FTileLayout; }
    void SetTileLayout(MapLayout layout);

    // The drawing index over the regions of ActiveLayer, built on first use
    // (which switches the report's index on).
    TBSPTree& BSPTree();
    bool HasBSPTree() const;

    // The colours of `region`; a region outside the report has none to
    // change (Colours throws Error) and reads the defaults.
    RegionColours& Colours(const TRegion& region);
    const RegionColours& Colours(const TRegion& region) const;
    // The colours of the region at `index` of the report's Regions (below
    // their count), without a look-up: for passes over all regions.
    RegionColours& ColoursAt(size_t index);
    // The colours of a region of the drawing index, by its place in Regions
    // as long as that still holds it.
    const RegionColours& Colours(const BSPEntry& entry) const;

private:
    // Lines the colours up with the report's regions after a change of the
    // region set.
    void SyncColours() const;
    RegionColours* Find(const TRegion& region) const;

    TReport& FReport;
    MapLayout FTileLayout = MapLayout::XAxisWestEast;
    std::unique_ptr<TBSPTree> FBSPTree;
    uint64_t FBSPTreeChanges = 0;
    // FColours[i] belongs to the region at index i of Regions; FSlots finds
    // that index. Both are caches behind the const look-ups.
    mutable std::vector<RegionColours> FColours;
    mutable std::unordered_map<const TRegion*, size_t> FSlots;
    mutable uint64_t FColoursChanges = 0;
};

} // namespace maprune
