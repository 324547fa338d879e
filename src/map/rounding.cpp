// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/rounding.h"

#include <cmath>
#include <limits>

namespace maprune {

int64_t RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (value >= kLimit)
        return std::numeric_limits<int64_t>::max();
    if (value < -kLimit)
        return std::numeric_limits<int64_t>::min();
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto result = static_cast<int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
        ++result;
    return result;
}

int32_t ClampToInt32(int64_t value)
{
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

} // namespace maprune
