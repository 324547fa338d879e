// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace maprune {

// The criteria by which the region window can order its unit list, known by
// their names, in the order they were registered. The region window adds
// how each criterion compares two units.
class UnitSortCriteria {
public:
    // Adds a criterion at the end; throws Error when the name is taken.
    void Register(std::string name);

    const std::vector<std::string>& Names() const { return FNames; }

    // Index of the criterion named `name`, ignoring the case of ASCII
    // letters; nullopt when there is none.
    std::optional<std::size_t> Find(std::string_view name) const;

private:
    std::vector<std::string> FNames;
};

// The program's seven criteria, in the order of their registration at start.
UnitSortCriteria ProgramUnitSortCriteria();

} // namespace maprune
