// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/route/route_graph.h"

namespace maprune {

// Costs are in 1/840 of a turn; a step costs 840 / speed.
constexpr int32_t kTurnCost = 840;
// The distance of a region no route reaches (520 turns); a route of this
// cost or more counts as none.
constexpr int32_t kUnreachableCost = 436800;

// The speeds and the mode of a search.
struct RouteRules {
    int Speed = 1; // regions per turn off streets and at sea, 1..8
    int StreetSpeed = 2; // regions per turn between complete streets, 1..8 on land
    bool OverOcean = false; // ship mode; StreetSpeed is not used then
};

// Throws the TRoute.Create message for a speed outside 1..8 (in ship mode
// Speed stands in for StreetSpeed).
void CheckRouteRules(const RouteRules& rules);

// Whole turns of a cost: every started turn counts.
inline int32_t TurnsOfCost(int32_t cost)
{
    return (cost + kTurnCost - 1) / kTurnCost;
}

// The pass-based search over the regions of a graph, with the results of the
// search that walks every region in every pass: the same distances and the
// same step strings, ties included. Instead of scanning all regions twice a
// pass it keeps the regions marked for the next pass and expands each pass's
// regions in report order; a region improved again after its expansion in a
// pass waits one pass (and is lost when that pass expands nothing), as
// there. The buffers are kept between runs, so one object serves many
// searches on the same graph.
class RouteSearch {
public:
    explicit RouteSearch(const RouteGraph& graph);

    // Regions (by graph index) that no step enters; empty for none.
    void SetAvoided(const std::vector<int32_t>& avoided);
    // Searches from `from` with checked `rules`. In ship mode `target` is the
    // to region, the one land region a step from the sea may enter
    // (RouteGraph::kNone: none, for TargetDistance).
    void Run(int32_t from, const RouteRules& rules, int32_t target);

    // Cost of the cheapest route found to `index`, kUnreachableCost when none.
    int32_t Distance(int32_t index) const { return FDistance[static_cast<size_t>(index)]; }
    // Its steps, one character "A" + direction each.
    std::string Path(int32_t index) const;
    // What Distance(target) would be after Run(from, rules, target), taken
    // from a run with RouteGraph::kNone as target: in ship mode a land target
    // is entered by one last step from its cheapest ocean neighbour.
    int32_t TargetDistance(int32_t target) const;

private:
    struct Step {
        int32_t Before; // index of the step before, -1 at the start
        uint8_t Direction;
    };
    static constexpr uint8_t kNext = 1;
    static constexpr uint8_t kCurrent = 2;

    void Expand(int32_t region);
    int32_t StepCost(int32_t from, int32_t to) const;

    const RouteGraph& FGraph;
    std::vector<uint8_t> FAvoided;
    RouteRules FRules;
    int32_t FFrom = RouteGraph::kNone;
    int32_t FTarget = RouteGraph::kNone;
    std::vector<int32_t> FDistance;
    std::vector<int32_t> FLastStep; // per region, into FSteps; -1 for an empty path
    std::vector<uint8_t> FMarks;
    std::vector<Step> FSteps;
    std::vector<int32_t> FNext; // marked kNext, in the order of marking
};

} // namespace maprune
