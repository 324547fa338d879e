// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/route/route_optimiser.h"

#include <algorithm>
#include <limits>

#include "core/error.h"

namespace maprune {

namespace {

// Depth-first over the orders in the sequence of their numbers: the points
// are placed from the last one (before the end) back to the first, each
// place taking the free points in ascending order.
class OrderSearch {
public:
    explicit OrderSearch(const RunLegs& legs)
        : FLegs(legs)
        , FCount(legs.Start.size())
        , FUsed(FCount, false)
        , FPlaced(FCount)
    {
    }

    std::vector<int> Cheapest()
    {
        Place(0, 0);
        return FBest;
    }

private:
    void Place(size_t depth, int64_t cost)
    {
        if (cost >= FBestCost)
            return;
        if (depth == FCount) {
            const int64_t total = cost + FLegs.Start[static_cast<size_t>(FPlaced[FCount - 1])];
            if (total < FBestCost) {
                FBestCost = total;
                FBest.assign(FPlaced.rbegin(), FPlaced.rend());
            }
            return;
        }
        for (size_t point = 0; point < FCount; ++point) {
            if (FUsed[point])
                continue;
            const int64_t leg = depth == 0
                ? FLegs.End[point]
                : FLegs.Between[point][static_cast<size_t>(FPlaced[depth - 1])];
            FUsed[point] = true;
            FPlaced[depth] = static_cast<int>(point);
            Place(depth + 1, cost + leg);
            FUsed[point] = false;
        }
    }

    const RunLegs& FLegs;
    size_t FCount;
    std::vector<bool> FUsed;
    std::vector<int> FPlaced; // FPlaced[t] is the point t places before the end
    std::vector<int> FBest;
    int64_t FBestCost = std::numeric_limits<int64_t>::max();
};

std::vector<int32_t> Indices(const RouteGraph& graph, const std::vector<TRegion*>& regions)
{
    std::vector<int32_t> indices;
    for (const TRegion* region : regions)
        indices.push_back(graph.IndexOf(region));
    return indices;
}

} // namespace

RouteRules WindowRouteRules(int streetSpeed, int speed)
{
    return { speed, streetSpeed, streetSpeed == 0 };
}

bool CanOptimise(const std::vector<WayPoint>& wayPoints)
{
    if (wayPoints.empty() || wayPoints.front().Selected || wayPoints.back().Selected)
        return false;
    int longest = 0;
    int run = 0;
    for (const WayPoint& point : wayPoints) {
        run = point.Selected ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest >= 2 && longest <= kLongestRun;
}

std::vector<int> CheapestOrder(const RunLegs& legs)
{
    return OrderSearch(legs).Cheapest();
}

std::vector<TRegion*> OptimiseWayPoints(const RouteGraph& graph,
    const std::vector<WayPoint>& wayPoints, const std::vector<TRegion*>& avoid, int streetSpeed,
    int speed)
{
    if (!CanOptimise(wayPoints))
        throw Error("Zum Optimieren müssen 2 bis 10 aufeinander folgende Haltepunkte markiert "
                    "sein, und weder der erste noch der letzte Haltepunkt darf markiert sein.");
    const RouteRules rules = WindowRouteRules(streetSpeed, speed);
    CheckRouteRules(rules);
    for (const WayPoint& point : wayPoints) {
        if (graph.IndexOf(point.Region) == RouteGraph::kNone)
            throw Error("TRoute.Create: the regions are not in the report");
    }
    const std::vector<int32_t> avoided = Indices(graph, avoid);
    std::vector<TRegion*> result;
    std::vector<TRegion*> run;
    TRegion* start = nullptr;
    for (const WayPoint& point : wayPoints) {
        if (point.Selected) {
            run.push_back(point.Region);
            continue;
        }
        if (run.size() >= 2) {
            const RunLegs legs = LegsOfRun(graph, avoided, rules, graph.IndexOf(start),
                Indices(graph, run), graph.IndexOf(point.Region));
            for (int index : CheapestOrder(legs))
                result.push_back(run[static_cast<size_t>(index)]);
        } else {
            result.insert(result.end(), run.begin(), run.end());
        }
        result.push_back(point.Region);
        start = point.Region;
        run.clear();
    }
    return result;
}

} // namespace maprune
