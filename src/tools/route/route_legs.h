// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "tools/route/route_search.h"

namespace maprune {

// The turns of every leg of a run of way points between a start and an end:
// Start[i] from the start to point i, End[i] from point i to the end, and
// Between[i][j] from point i to point j (0 on the diagonal).
struct RunLegs {
    std::vector<int32_t> Start;
    std::vector<int32_t> End;
    std::vector<std::vector<int32_t>> Between;
};

// The legs from n + 1 searches, one from the start and one from each point,
// each giving the turns to all regions at once; each leg equals the Turns of
// a TRoute between its two regions. Throws the route failure message of the
// first unreachable leg in the order Start[i], End[i], Between[i][j] (j ≠ i)
// for i = 0, 1, ...
RunLegs LegsOfRun(const RouteGraph& graph, const std::vector<int32_t>& avoided,
    const RouteRules& rules, int32_t start, const std::vector<int32_t>& points, int32_t end);

} // namespace maprune
