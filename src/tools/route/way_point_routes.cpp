// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/route/way_point_routes.h"

#include "core/error.h"
#include "model/region.h"
#include "tools/route/route.h"

namespace maprune {

std::vector<RouteLeg> RouteLegs(
    const RouteGraph& graph, const std::vector<TRegion*>& points, const RoutePlanOptions& options)
{
    std::vector<RouteLeg> legs;
    for (size_t i = 1; i < points.size(); ++i) {
        TRoute route(graph, options.Avoid, options.StreetSpeed, options.Speed,
            options.StreetSpeed == 0, points[i], points[i - 1]);
        legs.push_back({ points[i - 1], points[i], route.Text(options.KelvaranLayout), route.Turns() });
    }
    return legs;
}

std::string RouteCopyText(const std::vector<RouteLeg>& legs)
{
    std::string text;
    for (size_t i = 0; i < legs.size(); ++i)
        text += (i > 0 ? " P " : "") + legs[i].Text;
    return text;
}

void ClearRouteMarks(const RouteGraph& graph)
{
    for (int32_t i = 0; i < graph.Count(); ++i) {
        for (int d = 0; d < TRegion::kDirections; ++d)
            graph.Region(i)->SetRouteMark(d, 0);
    }
}

std::string MarkRoutes(
    const RouteGraph& graph, const std::vector<WayPoint>& wayPoints, const RoutePlanOptions& options)
{
    ClearRouteMarks(graph);
    for (size_t i = 1; i < wayPoints.size(); ++i) {
        if (!wayPoints[i - 1].Selected || !wayPoints[i].Selected)
            continue;
        std::string path;
        try {
            TRoute route(graph, options.Avoid, options.StreetSpeed, options.Speed,
                options.StreetSpeed == 0, wayPoints[i].Region, wayPoints[i - 1].Region);
            path = route.Path();
        } catch (const Error& e) {
            return e.what();
        }
        TRegion* region = wayPoints[i - 1].Region;
        for (char step : path) {
            const int d = step - 'A';
            region->SetRouteMark(d, 1);
            region = region->Neighbour(d);
            region->SetRouteMark((d + 3) % 6, 1);
        }
    }
    return {};
}

} // namespace maprune
