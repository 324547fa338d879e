// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace maprune {

// `value` rounded to the nearest integer, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), independent of the floating-point
// rounding mode. NaN gives 0; values beyond the int64 range are clamped.
int64_t RoundHalfEven(double value);

// `value` limited to the int32 range.
int32_t ClampToInt32(int64_t value);

} // namespace maprune
