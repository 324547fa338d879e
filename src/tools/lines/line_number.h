// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace maprune {

// The number of the unit, building or ship a list line names: the text of
// the first "(" ... ")" part that reads as a number in `basis` other than
// -1; -1 when no part does. A line's descriptions put the number in the
// first parentheses, but a name may hold parentheses of its own.
int32_t NumberInLine(std::string_view line, int32_t basis);

} // namespace maprune
