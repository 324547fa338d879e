// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/route/route_search.h"

#include <algorithm>

#include "core/error.h"

namespace maprune {

namespace {

void CheckSpeed(const char* name, int value)
{
    if (value < 1 || value > 8)
        throw Error("TRoute.Create: " + std::string(name) + " (" + std::to_string(value)
            + ") is out of range (1 to 8)");
}

} // namespace

void CheckRouteRules(const RouteRules& rules)
{
    CheckSpeed("ASpeed1", rules.Speed);
    CheckSpeed("ASpeed2", rules.OverOcean ? rules.Speed : rules.StreetSpeed);
}

RouteSearch::RouteSearch(const RouteGraph& graph)
    : FGraph(graph)
    , FAvoided(static_cast<size_t>(graph.Count()), 0)
    , FDistance(static_cast<size_t>(graph.Count()), kUnreachableCost)
    , FLastStep(static_cast<size_t>(graph.Count()), -1)
    , FMarks(static_cast<size_t>(graph.Count()), 0)
{
}

void RouteSearch::SetAvoided(const std::vector<int32_t>& avoided)
{
    std::fill(FAvoided.begin(), FAvoided.end(), uint8_t { 0 });
    for (int32_t index : avoided) {
        if (index >= 0 && index < FGraph.Count())
            FAvoided[static_cast<size_t>(index)] = 1;
    }
}

int32_t RouteSearch::StepCost(int32_t from, int32_t to) const
{
    if (FRules.OverOcean) {
        const bool water = FGraph.Ocean(to) || (to == FTarget && FGraph.Ocean(from));
        return water ? kTurnCost / FRules.Speed : -1;
    }
    if (FGraph.Ocean(to))
        return -1;
    const bool street = FGraph.Street(from) && FGraph.Street(to);
    return kTurnCost / (street ? FRules.StreetSpeed : FRules.Speed);
}

void RouteSearch::Expand(int32_t region)
{
    const int32_t distance = FDistance[static_cast<size_t>(region)];
    for (int d = 0; d < 6; ++d) {
        const int32_t neighbour = FGraph.Neighbour(region, d);
        if (neighbour == RouteGraph::kNone || FAvoided[static_cast<size_t>(neighbour)] != 0)
            continue;
        const int32_t cost = StepCost(region, neighbour);
        if (cost < 0 || distance + cost >= FDistance[static_cast<size_t>(neighbour)])
            continue;
        FDistance[static_cast<size_t>(neighbour)] = distance + cost;
        FSteps.push_back({ FLastStep[static_cast<size_t>(region)], static_cast<uint8_t>(d) });
        FLastStep[static_cast<size_t>(neighbour)] = static_cast<int32_t>(FSteps.size() - 1);
        uint8_t& marks = FMarks[static_cast<size_t>(neighbour)];
        if ((marks & kNext) == 0) {
            marks |= kNext;
            FNext.push_back(neighbour);
        }
    }
}

void RouteSearch::Run(int32_t from, const RouteRules& rules, int32_t target)
{
    FRules = rules;
    FFrom = from;
    FTarget = target;
    std::fill(FDistance.begin(), FDistance.end(), kUnreachableCost);
    std::fill(FLastStep.begin(), FLastStep.end(), -1);
    std::fill(FMarks.begin(), FMarks.end(), uint8_t { 0 });
    FSteps.clear();
    FNext.clear();
    FDistance[static_cast<size_t>(from)] = 0;
    FMarks[static_cast<size_t>(from)] = kNext;
    FNext.push_back(from);

    std::vector<int32_t> current;
    std::vector<int32_t> waiting;
    std::vector<int32_t> expanding;
    for (;;) {
        // A region marked for the next pass while it was still being expanded
        // in this one is not counted now; it is expanded a pass later.
        expanding.clear();
        waiting.clear();
        for (int32_t region : FNext) {
            uint8_t& marks = FMarks[static_cast<size_t>(region)];
            if ((marks & kCurrent) != 0) {
                waiting.push_back(region);
            } else {
                marks = kCurrent;
                expanding.push_back(region);
            }
        }
        for (int32_t region : current)
            FMarks[static_cast<size_t>(region)] &= static_cast<uint8_t>(~kCurrent);
        if (expanding.empty())
            break;
        std::sort(expanding.begin(), expanding.end());
        FNext.swap(waiting);
        for (int32_t region : expanding)
            Expand(region);
        current.swap(expanding);
    }
}

std::string RouteSearch::Path(int32_t index) const
{
    std::string path;
    for (int32_t step = FLastStep[static_cast<size_t>(index)]; step >= 0;
         step = FSteps[static_cast<size_t>(step)].Before)
        path += static_cast<char>('A' + FSteps[static_cast<size_t>(step)].Direction);
    std::reverse(path.begin(), path.end());
    return path;
}

int32_t RouteSearch::TargetDistance(int32_t target) const
{
    if (!FRules.OverOcean || target == FFrom || FGraph.Ocean(target))
        return Distance(target);
    if (FAvoided[static_cast<size_t>(target)] != 0)
        return kUnreachableCost;
    int32_t best = kUnreachableCost;
    for (int32_t sea : FGraph.Entrances(target)) {
        if (FGraph.Ocean(sea))
            best = std::min(best, Distance(sea) + kTurnCost / FRules.Speed);
    }
    // As in the search, a cost of 520 turns or more reaches nothing.
    return std::min(best, kUnreachableCost);
}

} // namespace maprune
