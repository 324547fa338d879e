// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/trade/trade_profit.h"

#include <charconv>
#include <cmath>

namespace maprune {

double TradeQuantity::Return(int32_t buyPrice) const
{
    return Quantity > 0 ? Net() / (static_cast<double>(Quantity) * buyPrice) : 0;
}

double TradeCost(const TradeDeal& deal, int32_t quantity, const TradeInputs& inputs)
{
    const double n = quantity;
    return (std::ceil(deal.Weight * n / inputs.WeightUnitsPerCostUnit) * inputs.SilverPerCostUnit
               + inputs.FixedCostPerTurn)
        * deal.Turns
        + 10 * std::ceil(n / (inputs.BuyerTalent * 10))
        + 10 * std::ceil(n / (inputs.SellerTalent * 10));
}

TradeQuantity BestQuantity(const TradeDeal& deal, const TradeInputs& inputs)
{
    const int64_t gain = static_cast<int64_t>(deal.SellPrice) - deal.BuyPrice;
    const auto at = [&](int32_t n) {
        return TradeQuantity { n, gain * n, TradeCost(deal, n, inputs) };
    };
    TradeQuantity best = at(deal.Limit);
    for (int32_t n = deal.Limit - 1; n >= 0; --n) {
        const TradeQuantity candidate = at(n);
        if (candidate.Net() >= best.Net())
            best = candidate;
    }
    return best;
}

std::array<double, 4> TradeKeys(
    const TradeQuantity& best, const TradeDeal& deal, const TradeInputs& inputs)
{
    std::array<double, 4> keys {};
    for (size_t i = 0; i < keys.size() && i < inputs.SortOrder.size(); ++i) {
        switch (inputs.SortOrder[i]) {
        case TradeCriterion::Profit:
            keys[i] = best.Net();
            break;
        case TradeCriterion::Return:
            keys[i] = best.Return(deal.BuyPrice);
            break;
        case TradeCriterion::Duration:
            keys[i] = -static_cast<double>(deal.Turns);
            break;
        }
    }
    return keys;
}

std::string FixedTwoDecimals(double value, int width, char decimalSeparator)
{
    char buffer[400];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    for (char& c : text) {
        if (c == '.')
            c = decimalSeparator;
    }
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

std::string TradeLine(const std::string& good, const std::string& buyRegion,
    const std::string& sellRegion, const TradeDeal& deal, const TradeQuantity& best,
    char decimalSeparator)
{
    return good + " von " + buyRegion + " nach " + sellRegion
        + "; Menge: " + std::to_string(deal.Limit)
        + "; Kaufpreis: " + std::to_string(deal.BuyPrice)
        + " Silber; Verkaufspreis: " + std::to_string(deal.SellPrice)
        + " Silber; Zeit für Route: " + std::to_string(deal.Turns)
        + "; Gewinn: " + FixedTwoDecimals(best.Net(), 6, decimalSeparator)
        + " Silber bei " + std::to_string(best.Quantity)
        + " Luxusgütern; Rentabilittät: "
        + FixedTwoDecimals(best.Return(deal.BuyPrice) * 100, 5, decimalSeparator) + "%";
}

} // namespace maprune
