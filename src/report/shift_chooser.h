// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "report/shift.h"

namespace maprune {

// The window in which the user picks one of several shifts that the origin
// search accepted for a layer ("TMPAWindow"). The GUI shows it modally; the
// command-line tool asks on the terminal; tests answer from a script.
class ShiftChooser {
public:
    static constexpr const char* kCaption = "mehrere Koordinatenursprungsanpassungsmöglichkeiten gefunden";
    static constexpr const char* kText =
        "bitte wählen Sie eine der Möglichkeiten oder wählen Sie Abbrechen, um die Karte nicht zu importieren";

    virtual ~ShiftChooser() = default;

    // `shifts` holds at least two shifts, best first; the window lists them
    // in this order, one Line() each, under kCaption and kText, with the
    // first line selected and the buttons "OK" and "Abbrechen". Returns the
    // index of the chosen shift, or none when the user cancels.
    virtual std::optional<size_t> ChooseShift(const std::vector<ScoredShift>& shifts) = 0;

    // "Verschiebung x: 3; y: -2; 17 Übereinstimmungen"
    static std::string Line(const ScoredShift& shift);
};

} // namespace maprune
