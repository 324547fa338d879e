// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/lines/list_scheme.h"

namespace maprune {

class TReport;

// One line of the building or ship window: unit lines in the scheme of the
// unit's party, the others plain.
struct PlaceLine {
    std::string Text;
    ListScheme Scheme = kPlainScheme;
    bool IsUnit = false;
};

// What the building or the ship window shows; empty Caption when the line
// named nothing.
struct PlaceView {
    std::string Caption;
    std::vector<PlaceLine> Lines;
};

// The building a region window line names (the first one with that number
// in any region): its units, owner first, with the note from which unit on
// the building's room is used up and the room left.
PlaceView ViewOfBuildingLine(const TReport& report, std::string_view line, unsigned displayOptions);
// The ship a line names: its state, its units, captain first, and the free
// or overloaded part of its capacity.
PlaceView ViewOfShipLine(const TReport& report, std::string_view line, unsigned displayOptions);

} // namespace maprune
