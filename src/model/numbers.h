// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace maprune {

// Numbers of parties, units, ships and buildings are written in the report's
// base (36 by default) with the digits "0123456789abcdefghiJkLmnopqrstuvwxyz".
constexpr int32_t kDefaultBasis = 36;

// n below 1 gives "0". A base outside 2..36 is taken as 36.
std::string FormatNr(int32_t n, int32_t basis = kDefaultBasis);

// The reverse of FormatNr, ignoring case; a character that is no digit counts
// as -1, an empty text gives 0. A text whose value leaves the 32-bit range
// gives -1 (unknown). A base outside 2..36 is taken as 36.
int32_t ParseNr(std::string_view text, int32_t basis = kDefaultBasis);

} // namespace maprune
