// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

namespace maprune {

// Map colours are 24-bit values 0xRRGGBB.
using Rgb = uint32_t;

// The colour of regions without a value.
constexpr Rgb kNoValueColour = 0x404040;

// The statistic value of a region for which the statistic has no figure.
constexpr int32_t NoValue = std::numeric_limits<int32_t>::min();

// The colour of `value` on the scale from `min` to `max`: t = (value - min) /
// (max - min) (0 when max equals min) runs through 0x404080, 0x800000,
// 0xFF8080, 0xFFFF80 and 0x80FF80 at t = 0, 0.25, 0.5, 0.75 and 1, linear
// per channel between them (truncated), and stays at the end colours
// outside 0 .. 1.
Rgb ScaleColour(double max, double value, double min);

} // namespace maprune
