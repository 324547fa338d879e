// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/route/route_optimiser.h"

namespace maprune {

class TRegion;
class TReport;

// The route between two consecutive way points.
struct RouteLeg {
    TRegion* From = nullptr;
    TRegion* To = nullptr;
    std::string Text; // TRoute::Text
    int32_t Turns = 0;
};

// The speeds and avoided regions that the route window plans with.
struct RoutePlanOptions {
    std::vector<TRegion*> Avoid;
    int Speed = 1; // "ohne Straße/Ozean"
    int StreetSpeed = 2; // "mit Straße (=0 für Weg über Ozean)"
    bool KelvaranLayout = true;
};

// The legs between each pair of consecutive regions. Throws the first
// leg's failure (TRoute).
std::vector<RouteLeg> RouteLegs(
    const RouteGraph& graph, const std::vector<TRegion*>& points, const RoutePlanOptions& options);

// The texts of the legs joined by " P ", what "&kopieren" puts on the
// clipboard.
std::string RouteCopyText(const std::vector<RouteLeg>& legs);

// Clears the route marks of every region of the graph.
void ClearRouteMarks(const RouteGraph& graph);

// Clears the route marks and marks the routes between each pair of
// consecutive way points that are both selected: side d of the region left
// and side d + 3 of the region entered. Stops at the first pair without a
// route and returns its failure message; empty when all were marked.
// Regions whose marks changed are flagged for redrawing.
std::string MarkRoutes(
    const RouteGraph& graph, const std::vector<WayPoint>& wayPoints, const RoutePlanOptions& options);

} // namespace maprune
