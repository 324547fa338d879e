// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace maprune {

class THistoryInteger;
class TShip;

// The ship values that the CR reader derives from the keys of today's
// reports when the older keys are missing; the writer leaves out an older
// key whose value the reader derives anyway.

// "Prozent" from "Groesse": the percent of the ship type's size; none
// without a size or when the game data gives the type none.
std::optional<int32_t> PercentFromSize(const TShip& ship);

// "Ladung" from "cargo", "MaxLadung" from "capacity": whole GE of a value in
// hundredths; none without a value.
std::optional<int32_t> WholeWeightUnits(const THistoryInteger& hundredths);

} // namespace maprune
