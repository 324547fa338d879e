// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "tools/trade/trade_inputs.h"

namespace maprune {

// One trade of a good between a buy and a sell region.
struct TradeDeal {
    int32_t Limit = 0; // the smaller region's peasants div 100
    int32_t BuyPrice = 0;
    int32_t SellPrice = 0;
    double Weight = 0; // of one piece
    int32_t Turns = 0; // travel time
};

// The best quantity of a deal: the smallest quantity 0 .. Limit that reaches
// the greatest net profit Margin − Cost.
struct TradeQuantity {
    int32_t Quantity = 0;
    int64_t Margin = 0; // (sell price − buy price) × quantity
    double Cost = 0; // transport and trade costs
    double Net() const { return static_cast<double>(Margin) - Cost; }
    // Net over the money paid for the goods; 0 for no goods.
    double Return(int32_t buyPrice) const;
};

// The cost of `quantity` pieces: per turn the cost units of their weight
// times the silver per unit plus the fixed cost, and 10 silver per started
// ten pieces per talent level on either side.
double TradeCost(const TradeDeal& deal, int32_t quantity, const TradeInputs& inputs);

// Walks the quantities down from Limit to 0 and keeps one whenever its net
// profit is at least that of the one kept.
TradeQuantity BestQuantity(const TradeDeal& deal, const TradeInputs& inputs);

// The sort keys of a route: for each of four places the value of the
// criterion at that place of inputs.SortOrder (profit, return, negated
// travel time), 0 where there is none.
std::array<double, 4> TradeKeys(
    const TradeQuantity& best, const TradeDeal& deal, const TradeInputs& inputs);

// The line of a route in the result list.
std::string TradeLine(const std::string& good, const std::string& buyRegion,
    const std::string& sellRegion, const TradeDeal& deal, const TradeQuantity& best,
    char decimalSeparator);

// `value` as printf's "%W.2f" would write it in the C locale, with
// `decimalSeparator` for the point.
std::string FixedTwoDecimals(double value, int width, char decimalSeparator);

} // namespace maprune
