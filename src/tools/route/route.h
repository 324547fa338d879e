// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/route/route_search.h"

namespace maprune {

class TRegion;
class TReport;

// The names of the six directions in route texts, "W" to "SW".
const char* DirectionName(int direction);

// The cheapest route between two regions of a report. The constructor checks
// and stores; the search runs on the first question. An unreachable target
// makes Turns, Path, Cost and Text throw "Could not determine route from
// "A" to "B"..." with the regions' display texts.
class TRoute {
public:
    // Searches a graph of its own, built from `report`.
    TRoute(TReport& report, const std::vector<TRegion*>& avoid, int streetSpeed, int speed,
        bool overOcean, TRegion* to, TRegion* from);
    // Searches `graph`, which must outlive the route (many routes share one).
    TRoute(const RouteGraph& graph, const std::vector<TRegion*>& avoid, int streetSpeed,
        int speed, bool overOcean, TRegion* to, TRegion* from);
    ~TRoute();

    // Length in whole turns.
    int32_t Turns();
    // One character "A" + direction per step.
    const std::string& Path();
    // In 1/840 turns.
    int32_t Cost();
    // The direction names joined by single spaces; without the Kelvaran
    // layout (KelvaranLayout false) each step is a single blank instead.
    std::string Text(bool kelvaranLayout);

private:
    void Init(const std::vector<TRegion*>& avoid, int streetSpeed, int speed, bool overOcean,
        TRegion* to, TRegion* from);
    void Compute();

    std::unique_ptr<RouteGraph> FOwnGraph;
    const RouteGraph* FGraph = nullptr;
    RouteRules FRules;
    std::vector<int32_t> FAvoid;
    TRegion* FTo = nullptr;
    TRegion* FFrom = nullptr;
    bool FComputed = false;
    bool FFailed = false;
    std::string FPath;
    int32_t FCost = 0;
};

// The message of a route that cannot be found.
std::string RouteFailureMessage(const TRegion* from, const TRegion* to);

} // namespace maprune
