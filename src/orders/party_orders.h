// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace maprune {

class TReport;
class TUnit;

// The orders of the report's active party as one text (UTF-8 lines), grouped
// as the order file has them: per region holding own units its line
// "REGION x,y[,z] ; name", per own unit "EINHEIT nr ; name" followed by its
// orders, and an empty line after each unit.
std::vector<std::string> PartyOrdersText(const TReport& report);

struct UnitOrdersEdit {
    TUnit* Unit = nullptr;
    std::vector<std::string> Lines; // in the report's encoding
};

// What such a text changes: the own units (found by the numbers of the
// EINHEIT lines) whose orders differ from their lines in the text, empty
// lines at the end of a unit not counted. A unit that the text leaves out
// keeps its orders; EINHEIT lines that name no own unit are listed.
struct PartyOrdersEdits {
    std::vector<UnitOrdersEdit> Changed;
    std::vector<std::string> Unknown; // the numbers as written
};

PartyOrdersEdits ReadPartyOrders(const TReport& report, const std::vector<std::string>& lines);

} // namespace maprune
