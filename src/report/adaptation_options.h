// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace maprune {

// What to do when the origin search accepts several shifts of a layer.
enum class SeveralShiftsReaction {
    TakeBest = 0,      // the highest score, the earlier candidate on equal scores
    LetUserChoose = 1, // ShiftChooser
};

// What to do when the origin search accepts no shift of a layer.
enum class NoShiftReaction {
    Continue = 0, // take the layer unshifted
    Refuse = 1,   // refuse the report
    Ask = 2,      // ask whether to take the layer unshifted
};

// The settings of the automatic origin adaptation, filled by the caller from
// the settings (NoCenterAdaptation, ACA_NameMisMatch, ACA_TerrainMisMatch,
// ACA_R_MPA, ACA_R_NPA) or from command-line options.
struct AdaptationOptions {
    bool Enabled = false;
    // A shift is rejected when this many overlapping regions have different
    // names, or incompatible terrain.
    int32_t NameMismatchLimit = 5;
    int32_t TerrainMismatchLimit = 5;
    SeveralShiftsReaction OnSeveral = SeveralShiftsReaction::TakeBest;
    NoShiftReaction OnNone = NoShiftReaction::Ask;

    // The options as the stored setting values give them: ACA_R_MPA 0 takes
    // the best and any other value lets the user choose; ACA_R_NPA 0 and 1
    // continue and refuse, any other value asks.
    static AdaptationOptions FromSettings(bool noCenterAdaptation, int32_t nameMisMatch,
                                          int32_t terrainMisMatch, int32_t reactionSeveral,
                                          int32_t reactionNone)
    {
        AdaptationOptions options;
        options.Enabled = !noCenterAdaptation;
        options.NameMismatchLimit = nameMisMatch;
        options.TerrainMismatchLimit = terrainMisMatch;
        options.OnSeveral = reactionSeveral == 0 ? SeveralShiftsReaction::TakeBest
                                                 : SeveralShiftsReaction::LetUserChoose;
        options.OnNone = reactionNone == 0   ? NoShiftReaction::Continue
                         : reactionNone == 1 ? NoShiftReaction::Refuse
                                             : NoShiftReaction::Ask;
        return options;
    }
};

} // namespace maprune
