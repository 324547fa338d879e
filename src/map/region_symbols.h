// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace maprune {

class TRegion;

// The symbols a region shows on the map, in drawing order.
enum class RegionIcon { Buildings, OwnUnits, Ships, OwnGuards, Comment };
constexpr int kRegionIconCount = 5;

// Which of the five icons the region shows: a building, a unit of the
// report's ActiveParty, a ship, a guarding unit of the ActiveParty, a comment
// line. The region must belong to a report.
std::array<bool, kRegionIconCount> RegionIcons(const TRegion& region);

// The street value of a complete street.
constexpr int kCompleteStreet = 100;

// Per neighbour slot 0..5 whether a street piece runs that way: the region's
// current Street is complete and so is that of the neighbour. Links the
// region's neighbours first when its street is complete (which switches the
// report's index on). The region must belong to a report.
std::array<bool, 6> StreetPieces(TRegion& region);

} // namespace maprune
