// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "report/adaptation_options.h"
#include "report/shift.h"

namespace maprune {

class Dialogs;
class ProgressPanel;
class ShiftChooser;
class TReport;

// Who takes part in the origin adaptation besides the two reports: the
// question when no shift is found, the choice among several shifts, and the
// progress panel (its Adaptation bar runs 0..1000 per layer, its caption
// names the layer).
struct AdaptationUi {
    Dialogs& Messages;
    ShiftChooser& Chooser;
    ProgressPanel& Panel;
};

// The decision for one layer.
struct LayerShift {
    enum class Outcome {
        Shifted,   // the search found the shift Offset (possibly (0, 0))
        Unshifted, // the search found none; the layer is taken as it is
        Refused,   // the layer, and with it the report, is refused
    };
    int32_t Layer = 0;
    Outcome Result = Outcome::Unshifted;
    Shift Offset;
    size_t AcceptedShifts = 0; // how many shifts the search accepted
};

struct AdaptationPlan {
    bool Enabled = false;
    std::vector<LayerShift> Layers; // in the order they were searched
    bool Refused() const;
};

// The question of the no-shift reaction "ask".
inline constexpr const char* kNoShiftQuestion =
    "Es wurde keine Verschiebungsmöglichkeit gefunden... wählen Sie OK, um die Karte ohne "
    "Verschiebung zu importieren";

// Searches layer `layer` (SearchShifts) and decides: one accepted shift is
// taken; several go to options.OnSeveral (the best, or the user's choice,
// where cancelling refuses); none go to options.OnNone (continue unshifted,
// refuse, or ask with kNoShiftQuestion, OK continuing and Cancel refusing).
// Ends with the Adaptation bar at 1000. Changes neither report.
LayerShift FindShift(const TReport& x, const TReport& y, int32_t layer,
                     const AdaptationOptions& options, AdaptationUi& ui);

// Decides the shift of every layer of x and y (the distinct CZ values of x's
// regions in order of first appearance, then those of y not yet named), with
// the captions "initialisiere Ebene Z (k von n)" and
// "Koordinatenursprungsanpassung Ebene Z (k von n)". Stops at the first
// refused layer. With options.Enabled false it decides nothing. Changes
// neither report: every layer's search depends only on that layer, so all
// decisions can be made before anything moves.
AdaptationPlan PlanAdaptation(const TReport& x, const TReport& y, const AdaptationOptions& options,
                              AdaptationUi& ui);

// Shifts every layer of x that the plan shifts (ShiftLayer); nothing when
// the plan was refused.
void ApplyAdaptation(TReport& x, const AdaptationPlan& plan);

// Shifts report x's regions so that they fit report y, layer by layer:
// PlanAdaptation, then ApplyAdaptation. x's and y's ActiveLayer are not
// changed; x's region index is dropped when x moved.
AdaptationPlan AdaptOrigin(TReport& x, const TReport& y, const AdaptationOptions& options,
                           AdaptationUi& ui);

} // namespace maprune
