// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "tools/trade/trade_inputs.h"

namespace maprune {

class TRegion;
class TReport;

// A profitable trade as the result list shows it.
struct TradeRoute {
    std::string Line;
    std::array<double, 4> Keys {}; // TradeKeys
};

struct TradeSearchResult {
    std::vector<TradeRoute> Routes; // best first
    bool Cancelled = false; // the progress callback said stop; Routes is empty
};

// Whether a region takes part in trading: it has prices and more than 99
// peasants, and with `castlesOnly` a building of type number 13 (a castle).
bool QualifiesForTrade(const TRegion& region, bool castlesOnly);

// Called after each buy region with the count done and the count of all;
// returning false stops the search.
using TradeProgress = std::function<bool(int done, int total)>;

// Every profitable trade of a luxury good between two qualifying regions:
// bought where a region sells it (negative price), carried to another one
// that pays strictly more for a good of exactly that name, in the order buy
// region, price entry, sell region. Routes with a net profit below the
// minimum are left out; the rest are sorted by their keys, greatest first,
// equal keys in the order found. The travel time comes from one route
// search per buy region to all sell regions (none for TravelMode::None);
// pairs without a route, and all pairs when the mode's speeds are out of
// range, are left out. Throws CheckTradeInputs' messages before anything is
// computed.
TradeSearchResult FindTradeRoutes(
    TReport& report, const TradeInputs& inputs, const TradeProgress& progress = {});

} // namespace maprune
