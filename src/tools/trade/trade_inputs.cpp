// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/trade/trade_inputs.h"

#include <cmath>

#include "core/error.h"

namespace maprune {

const char* TradeCriterionName(TradeCriterion criterion)
{
    switch (criterion) {
    case TradeCriterion::Profit:
        return "Gewinn";
    case TradeCriterion::Return:
        return "Rentabilität";
    case TradeCriterion::Duration:
        break;
    }
    return "Dauer";
}

void CheckTradeInputs(const TradeInputs& inputs)
{
    for (double value : { inputs.SilverPerCostUnit, inputs.WeightUnitsPerCostUnit,
             inputs.FixedCostPerTurn, inputs.BuyerTalent, inputs.SellerTalent }) {
        if (!std::isfinite(value))
            throw Error("Die Eingaben müssen endliche Zahlen sein.");
    }
    // The cost formula divides by these three.
    if (inputs.WeightUnitsPerCostUnit <= 0)
        throw Error("Die Gewichtseinheiten je Kosteneinheit müssen größer als 0 sein.");
    if (inputs.BuyerTalent <= 0)
        throw Error("Das Handeln-Talent des Käufers muss größer als 0 sein.");
    if (inputs.SellerTalent <= 0)
        throw Error("Das Handeln-Talent des Verkäufers muss größer als 0 sein.");
}

RouteRules TravelRules(const TradeInputs& inputs)
{
    switch (inputs.Mode) {
    case TravelMode::Walk:
        return { 1, 2, false };
    case TravelMode::Ride:
        return { 2, 3, false };
    case TravelMode::Ship:
    case TravelMode::None:
        break;
    }
    return { inputs.ShipSpeed, 0, true };
}

} // namespace maprune
