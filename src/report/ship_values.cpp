// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ship_values.h"

#include "model/ship.h"

namespace maprune {

std::optional<int32_t> PercentFromSize(const TShip& ship)
{
    if (ship.Size->HistoryCount() == 0)
        return std::nullopt;
    const int32_t percent = ship.PercentOfSize(ship.Size->CurrentValue());
    return percent >= 0 ? std::optional<int32_t>(percent) : std::nullopt;
}

std::optional<int32_t> WholeWeightUnits(const THistoryInteger& hundredths)
{
    if (hundredths.HistoryCount() == 0)
        return std::nullopt;
    return hundredths.CurrentValue() / 100;
}

} // namespace maprune
