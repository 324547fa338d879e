// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/route/route_search.h"

namespace maprune {

// The travel modes of "Geschwindigkeit", in the order of its items.
enum class TravelMode { Walk = 0, Ride = 1, Ship = 2, None = 3 };

// The sort criteria of "Sortierreihenfolge".
enum class TradeCriterion { Profit, Return, Duration };

// "Gewinn", "Rentabilität", "Dauer".
const char* TradeCriterionName(TradeCriterion criterion);

// What the trade-route window asks for, with its initial values.
struct TradeInputs {
    double SilverPerCostUnit = 10; // silver per cost unit and turn
    double WeightUnitsPerCostUnit = 5.4; // GE per cost unit
    double FixedCostPerTurn = 0; // silver per turn
    double BuyerTalent = 1; // trade talent on the buying side
    double SellerTalent = 1; // trade talent on the selling side
    int ShipSpeed = 7; // regions per turn
    int MinimumProfit = 500; // silver
    TravelMode Mode = TravelMode::Walk;
    bool CastlesOnly = false; // both regions need a castle
    // Criteria in the order of priority.
    std::vector<TradeCriterion> SortOrder { TradeCriterion::Profit, TradeCriterion::Return,
        TradeCriterion::Duration };
    // The decimal separator of the profit and return figures in the lines.
    char DecimalSeparator = '.';
};

// Throws Error with a German message for inputs the cost formula cannot work
// with: a talent or the weight units per cost unit of 0 or less, or a value
// that is not finite.
void CheckTradeInputs(const TradeInputs& inputs);

// The speeds that the mode gives to the route search; not used for None.
RouteRules TravelRules(const TradeInputs& inputs);

} // namespace maprune
