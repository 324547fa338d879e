// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace maprune {

class TReport;
class TUnit;
class TUnitList;
class UnitSortCriteria;

// The talent a unit is best at: the highest level, then the most learning
// days, then the name first in case-insensitive order. A unit without
// talents has an empty name and level -1.
struct BestTalent {
    std::string Name;
    int32_t Level = -1;
    int32_t Days = 0;
};
BestTalent BestTalentOf(const TUnit& unit);

// The units of `units` in the order of the criteria `order` (indices into
// ProgramUnitSortCriteria, as ParseUnitSortOptions gives them): the first
// criterion that tells two units apart decides; units equal under all of
// them keep their list order.
std::vector<TUnit*> OrderUnits(
    const TReport& report, const TUnitList& units, const std::vector<size_t>& order);

// The criteria the settings' value `options` names (UnitListSortOptions).
std::vector<size_t> UnitOrderFromSettings(const std::string& options);

} // namespace maprune
