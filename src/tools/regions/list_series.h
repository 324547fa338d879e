// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace maprune {

class TRegion;
class TReport;
class TUnit;

// A history the region window's list popups offer to chart: its title and
// the calculator expression (both UTF-8).
struct ListSeries {
    std::string Title;
    std::string Expression;
    bool operator==(const ListSeries&) const = default;
};

// The unit's size and silver.
std::vector<ListSeries> UnitListSeries(const TReport& report, const TUnit& unit);

// The histories of the building or ship that a line of `region`'s building
// or ship list names by its number in the report's base; none when the line
// names none of them.
std::vector<ListSeries> PlaceListSeries(
    const TReport& report, const TRegion& region, std::string_view line, bool building);

} // namespace maprune
