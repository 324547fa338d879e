// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/route/route_graph.h"

#include "model/game_data.h"
#include "model/report.h"

namespace maprune {

bool IsOceanRegion(const TRegion& region)
{
    const GameRecord* terrain = region.EffectiveTerrainType();
    return terrain != nullptr && terrain->IsWater();
}

bool HasCompleteStreet(const TRegion& region)
{
    return region.Street->CurrentValue() == 100;
}

RouteGraph::RouteGraph(TReport& report)
{
    for (TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        FIndex.emplace(region, static_cast<int32_t>(FRegions.size()));
        FRegions.push_back(region);
    }
    FNeighbours.resize(FRegions.size());
    FOcean.resize(FRegions.size());
    FStreet.resize(FRegions.size());
    for (size_t i = 0; i < FRegions.size(); ++i) {
        TRegion& region = *FRegions[i];
        region.LinkNeighbours();
        for (int d = 0; d < TRegion::kDirections; ++d)
            FNeighbours[i][static_cast<size_t>(d)] = IndexOf(region.Neighbour(d));
        FOcean[i] = IsOceanRegion(region) ? 1 : 0;
        FStreet[i] = HasCompleteStreet(region) ? 1 : 0;
    }
    FEntranceStart.assign(FRegions.size() + 1, 0);
    for (const auto& slots : FNeighbours) {
        for (int32_t neighbour : slots) {
            if (neighbour != kNone)
                ++FEntranceStart[static_cast<size_t>(neighbour) + 1];
        }
    }
    for (size_t i = 1; i < FEntranceStart.size(); ++i)
        FEntranceStart[i] += FEntranceStart[i - 1];
    FEntrances.resize(static_cast<size_t>(FEntranceStart.back()));
    std::vector<int32_t> filled(FEntranceStart.begin(), FEntranceStart.end() - 1);
    for (size_t i = 0; i < FNeighbours.size(); ++i) {
        for (int32_t neighbour : FNeighbours[i]) {
            if (neighbour != kNone)
                FEntrances[static_cast<size_t>(filled[static_cast<size_t>(neighbour)]++)]
                    = static_cast<int32_t>(i);
        }
    }
}

int32_t RouteGraph::IndexOf(const TRegion* region) const
{
    const auto found = FIndex.find(region);
    return found == FIndex.end() ? kNone : found->second;
}

} // namespace maprune
