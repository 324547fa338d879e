// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace maprune {

class UnitSortCriteria;

// The criteria named in `options` (the value of UnitListSortOptions: names
// joined by "|"), as indices in the order given. A name that matches no
// criterion, or one named before, is skipped.
std::vector<std::size_t> ParseUnitSortOptions(
    const std::string& options, const UnitSortCriteria& criteria);

// The names of the criteria at `order` joined by "|"; empty for none.
// Requires every index to be valid for `criteria`.
std::string FormatUnitSortOptions(
    const std::vector<std::size_t>& order, const UnitSortCriteria& criteria);

} // namespace maprune
