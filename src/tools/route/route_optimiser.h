// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "tools/route/route_legs.h"

namespace maprune {

class TRegion;

// An entry of the way-point list: selected way points may be reordered,
// the others are fixed.
struct WayPoint {
    TRegion* Region = nullptr;
    bool Selected = false;
};

// The longest run of selected way points that may be reordered at once.
constexpr int kLongestRun = 10;

// Whether the way points can be optimised: the longest run of consecutive
// selected entries has 2 to kLongestRun entries, and neither the first nor
// the last entry is selected.
bool CanOptimise(const std::vector<WayPoint>& wayPoints);

// The cheapest visiting order of a run (n = legs.Start.size(), 1 ≤ n ≤
// kLongestRun), as indices into the run. Orders are tried in the sequence of
// their numbers k = 0 .. n! − 1 (k decoded digit by digit from the last
// place: k = 0 is the reverse order); an order's cost is the sum of its legs'
// turns, and a later order wins only when strictly cheaper. Branches that
// cannot become strictly cheaper are cut, which leaves the winner as it is.
std::vector<int> CheapestOrder(const RunLegs& legs);

// The way points with every run of selected ones between two fixed ones in
// its cheapest order; fixed entries stay where they are. The speeds are
// those of the route window: ship mode when `streetSpeed` is 0. Throws Error
// when CanOptimise is false, the TRoute.Create message for a speed out of
// range and the route failure message for an unreachable leg.
std::vector<TRegion*> OptimiseWayPoints(const RouteGraph& graph,
    const std::vector<WayPoint>& wayPoints, const std::vector<TRegion*>& avoid, int streetSpeed,
    int speed);

// The rules of the route window's speeds: ship mode when `streetSpeed` is 0.
RouteRules WindowRouteRules(int streetSpeed, int speed);

} // namespace maprune
