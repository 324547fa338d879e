// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace maprune {

class TReport;
class TUnit;

// What the unit window shows of a unit, as UTF-8 texts.
struct UnitView {
    std::string Caption; // "Name (nr)"
    std::string Camouflage; // "Tarnung:"
    std::string PartyCamouflage; // "Parteitarnung:"
    std::string Guards; // "bewacht:"
    std::string Besieges; // "belagert:"
    std::string Size; // "Einheitengröße:"
    // "Gesamtgewicht:", followed by the server's weight where that differs.
    std::string Weight;
    std::string Position; // "Position:"
    // The header line of the orders editor.
    std::string LoadLine;
};

UnitView ViewOfUnit(const TReport& report, const TUnit& unit);

// The unit with number `nr` in the first region that has one; null when
// none has or `nr` is -1.
TUnit* FindUnitByNumber(const TReport& report, int32_t nr);

} // namespace maprune
