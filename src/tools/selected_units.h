// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace maprune {

class TReport;

// How a unit's party relates to the party whose view the report shows; the
// units window lists the groups in this order and colours each alike.
enum class UnitGroup : uint8_t {
    Own, // Party == ActiveParty
    Allied, // listed among the Allies of the own party
    Hidden, // party unknown (-1)
    Other,
};

// One line of the units window.
struct SelectedUnitLine {
    UnitGroup Group = UnitGroup::Other;
    int32_t Party = -1;
    std::string Text; // the unit's GetDescription, UTF-8
};

// The group of party `party` in `report`; a report whose own party has no
// record has no allies.
UnitGroup UnitGroupOf(const TReport& report, int32_t party);

// The units of every selected region (Tag bit TagSelected) of every layer,
// described with `displayOptions` (UnitDisplayOption bits): grouped as
// UnitGroup orders them, within a group by ascending party number, and the
// units of one party in region order and then in unit order.
std::vector<SelectedUnitLine> SelectedUnitLines(const TReport& report, unsigned displayOptions);

} // namespace maprune
