// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/lines/category_lines.h"

namespace maprune {

class TRegion;
class TReport;

// The patterns of one tab of the search window for buildings, ships or
// units (see Matches). The number is matched as the report writes it, the
// party in decimal. The defaults are the window's initial texts.
struct ItemPatterns {
    std::string Nr;
    std::string Name = "*";
    std::string Descr = "*";
    std::string Party = "*";
};

// The patterns of the regions tab.
struct RegionPatterns {
    std::string Name;
    std::string Terrain = "*";
};

// The hits among the buildings, ships or units of all regions: their
// GetDescription lines (with `displayOptions`, which matter for units),
// entered by party category as the region window does.
std::vector<CategoryLine> FindBuildings(const TReport& report, const ItemPatterns& patterns);
std::vector<CategoryLine> FindShips(const TReport& report, const ItemPatterns& patterns);
std::vector<CategoryLine> FindUnits(
    const TReport& report, const ItemPatterns& patterns, unsigned displayOptions);

// The RegionDescription of every region whose name and terrain fit.
std::vector<std::string> FindRegions(const TReport& report, const RegionPatterns& patterns);

// The region a hit line leads to. A building or ship line: the first region
// holding the building or ship of the number in the line's first
// parentheses; throws Error "GetRegion: could not find named item %d" when
// none does. A unit line: the region of the unit it names, null when there
// is none. A region line: the first region with that description, or null.
TRegion* RegionOfBuildingLine(const TReport& report, std::string_view line);
TRegion* RegionOfShipLine(const TReport& report, std::string_view line);
TRegion* RegionOfUnitLine(const TReport& report, std::string_view line);
TRegion* RegionOfRegionLine(const TReport& report, std::string_view line);

} // namespace maprune
