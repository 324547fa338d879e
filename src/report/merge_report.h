// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/past_states.h"
#include "report/origin_adaptation.h"

namespace maprune {

class TReport;

struct MergeResult {
    bool Merged = false; // false: the origin adaptation refused the report
    bool SrcNewer = false;
    int32_t AddedTurn = 0; // the turn of the added report
    AdaptationPlan Adaptation;
};

// Merges report `src` into the database `dest`.
//
// First the origin adaptation decides, layer by layer, how the older of the
// two reports (`src` on equal turns) is shifted to fit the other; when it
// refuses a layer nothing is changed and Merged is false. Otherwise: the
// texts of `src` converted into `dest`'s encoding when the two differ
// (ConvertReportTexts), the header (game, coordinates, umlaut flag and
// number base from a newer `src`; chart series definitions that `dest`
// lacks are appended), the
// shifts, the regions (MergeRegion, or a new region by CopyRegion), the
// units, buildings and ships (entity passes), the parties (taken over or
// MergeParty), `dest`'s Finish, and the spells and potions whose names
// `dest` lacks (compared ignoring case).
//
// Objects taken over are moved out of `src`, which is left partly emptied
// and must then be freed by the caller. Progress: the panel's Adaptation bar
// runs 0..1000 per layer, its Regions bar counts `src`'s regions and
// processes events every 256 regions. Errors (only when the number index
// cannot hold the entities) are thrown before anything changes. Last, the
// earlier states recorded in `dest` are trimmed to those of the `pastTurns`
// newest recorded turns (TrimPastStates).
MergeResult MergeReport(TReport& dest, TReport& src, const AdaptationOptions& options,
    AdaptationUi& ui, int32_t pastTurns = kPastTurnsKept);

} // namespace maprune
