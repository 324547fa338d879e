// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/route/route.h"

#include <array>

#include "core/error.h"
#include "model/region.h"
#include "model/report.h"

namespace maprune {

const char* DirectionName(int direction)
{
    static constexpr std::array<const char*, 6> kNames { "W", "NW", "NO", "O", "SO", "SW" };
    return direction >= 0 && direction < 6 ? kNames[static_cast<size_t>(direction)] : "";
}

std::string RouteFailureMessage(const TRegion* from, const TRegion* to)
{
    return "Could not determine route from \"" + RegionDescription(from) + "\" to \""
        + RegionDescription(to) + "\"...";
}

TRoute::TRoute(TReport& report, const std::vector<TRegion*>& avoid, int streetSpeed, int speed,
    bool overOcean, TRegion* to, TRegion* from)
{
    // The speeds are checked before the regions are looked at.
    CheckRouteRules({ speed, streetSpeed, overOcean });
    FOwnGraph = std::make_unique<RouteGraph>(report);
    FGraph = FOwnGraph.get();
    Init(avoid, streetSpeed, speed, overOcean, to, from);
}

TRoute::TRoute(const RouteGraph& graph, const std::vector<TRegion*>& avoid, int streetSpeed,
    int speed, bool overOcean, TRegion* to, TRegion* from)
    : FGraph(&graph)
{
    Init(avoid, streetSpeed, speed, overOcean, to, from);
}

TRoute::~TRoute() = default;

void TRoute::Init(const std::vector<TRegion*>& avoid, int streetSpeed, int speed, bool overOcean,
    TRegion* to, TRegion* from)
{
    FRules = { speed, streetSpeed, overOcean };
    CheckRouteRules(FRules);
    if (FGraph->IndexOf(to) == RouteGraph::kNone || FGraph->IndexOf(from) == RouteGraph::kNone)
        throw Error("TRoute.Create: the regions are not in the report");
    for (const TRegion* region : avoid)
        FAvoid.push_back(FGraph->IndexOf(region));
    FTo = to;
    FFrom = from;
}

void TRoute::Compute()
{
    if (!FComputed) {
        FComputed = true;
        RouteSearch search(*FGraph);
        search.SetAvoided(FAvoid);
        const int32_t to = FGraph->IndexOf(FTo);
        search.Run(FGraph->IndexOf(FFrom), FRules, to);
        FCost = search.Distance(to);
        FFailed = FCost >= kUnreachableCost;
        if (!FFailed)
            FPath = search.Path(to);
    }
    if (FFailed)
        throw Error(RouteFailureMessage(FFrom, FTo));
}

int32_t TRoute::Turns()
{
    Compute();
    return TurnsOfCost(FCost);
}

const std::string& TRoute::Path()
{
    Compute();
    return FPath;
}

int32_t TRoute::Cost()
{
    Compute();
    return FCost;
}

std::string TRoute::Text(bool kelvaranLayout)
{
    std::string text;
    for (char step : Path()) {
        if (!text.empty())
            text += ' ';
        text += kelvaranLayout ? DirectionName(step - 'A') : " ";
    }
    return text;
}

} // namespace maprune
