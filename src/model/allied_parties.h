// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace maprune {

class TReport;

// The parties the own party (the report's ActiveParty) lists among its Allies,
// sorted; empty when the own party has no TParty record.
std::vector<int32_t> AlliedParties(const TReport& report);

} // namespace maprune
