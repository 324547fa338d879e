// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_state.h"

#include <utility>

#include "core/error.h"
#include "map/bsp_tree.h"
#include "model/report.h"

namespace maprune {

TMapState::TMapState(TReport& report)
    : FReport(report)
    , FColoursChanges(report.IndexChanges())
{
}

TMapState::~TMapState() = default;

void TMapState::SetTileLayout(MapLayout layout)
{
    if (layout == FTileLayout)
        return;
    FReport.SetIndexed(false);
    FTileLayout = layout;
}

TBSPTree& TMapState::BSPTree()
{
    FReport.SetIndexed(true);
    if (!HasBSPTree()) {
        FBSPTree = BuildBSPTree(*FReport.Regions, FReport.ActiveLayer, FTileLayout);
        FBSPTreeChanges = FReport.IndexChanges();
    }
    return *FBSPTree;
}

bool TMapState::HasBSPTree() const
{
    return FBSPTree != nullptr && FBSPTreeChanges == FReport.IndexChanges();
}

void TMapState::SyncColours() const
{
    const TRegionList& regions = *FReport.Regions;
    // The count guards the index alignment even where a caller changed the
    // region set without switching the index off.
    if (FColoursChanges == FReport.IndexChanges() && FColours.size() == regions.Count())
        return;
    std::vector<RegionColours> colours(regions.Count());
    std::unordered_map<const TRegion*, size_t> slots;
    slots.reserve(regions.Count());
    for (size_t i = 0; i < regions.Count(); ++i) {
        const TRegion* region = regions[i];
        if (region == nullptr)
            continue;
        slots.emplace(region, i);
        if (const auto old = FSlots.find(region); old != FSlots.end())
            colours[i] = std::move(FColours[old->second]);
    }
    FColours = std::move(colours);
    FSlots = std::move(slots);
    FColoursChanges = FReport.IndexChanges();
}

RegionColours* TMapState::Find(const TRegion& region) const
{
    SyncColours();
    const auto slot = FSlots.find(&region);
    return slot != FSlots.end() ? &FColours[slot->second] : nullptr;
}

RegionColours& TMapState::Colours(const TRegion& region)
{
    if (RegionColours* colours = Find(region))
        return *colours;
    throw Error("TMapState: the region does not belong to the report");
}

const RegionColours& TMapState::Colours(const TRegion& region) const
{
    static const RegionColours none;
    const RegionColours* colours = Find(region);
    return colours != nullptr ? *colours : none;
}

const RegionColours& TMapState::Colours(const BSPEntry& entry) const
{
    SyncColours();
    const TRegionList& regions = *FReport.Regions;
    if (entry.Index < FColours.size() && regions[entry.Index] == entry.Region)
        return FColours[entry.Index];
    return Colours(*entry.Region);
}

RegionColours& TMapState::ColoursAt(size_t index)
{
    SyncColours();
    return FColours[index];
}

} // namespace maprune
