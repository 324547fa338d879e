// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/shift_chooser.h"

namespace maprune {

std::string ShiftChooser::Line(const ScoredShift& shift)
{
    return "Verschiebung x: " + std::to_string(shift.Offset.Dx) + "; y: "
           + std::to_string(shift.Offset.Dy) + "; " + std::to_string(shift.Score)
           + " Übereinstimmungen";
}

} // namespace maprune
