// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/route/route_legs.h"

#include "core/error.h"
#include "tools/route/route.h"

namespace maprune {

namespace {

int32_t LegTurns(const RouteGraph& graph, const RouteSearch& search, int32_t from, int32_t to)
{
    const int32_t cost = search.TargetDistance(to);
    if (cost >= kUnreachableCost)
        throw Error(RouteFailureMessage(graph.Region(from), graph.Region(to)));
    return TurnsOfCost(cost);
}

} // namespace

RunLegs LegsOfRun(const RouteGraph& graph, const std::vector<int32_t>& avoided,
    const RouteRules& rules, int32_t start, const std::vector<int32_t>& points, int32_t end)
{
    CheckRouteRules(rules);
    const size_t n = points.size();
    RouteSearch fromStart(graph);
    fromStart.SetAvoided(avoided);
    fromStart.Run(start, rules, RouteGraph::kNone);
    std::vector<RouteSearch> fromPoint(n, RouteSearch(graph));
    for (size_t i = 0; i < n; ++i) {
        fromPoint[i].SetAvoided(avoided);
        fromPoint[i].Run(points[i], rules, RouteGraph::kNone);
    }
    RunLegs legs;
    legs.Start.resize(n);
    legs.End.resize(n);
    legs.Between.assign(n, std::vector<int32_t>(n, 0));
    for (size_t i = 0; i < n; ++i) {
        legs.Start[i] = LegTurns(graph, fromStart, start, points[i]);
        legs.End[i] = LegTurns(graph, fromPoint[i], points[i], end);
        for (size_t j = 0; j < n; ++j) {
            if (j != i)
                legs.Between[i][j] = LegTurns(graph, fromPoint[i], points[i], points[j]);
        }
    }
    return legs;
}

} // namespace maprune
