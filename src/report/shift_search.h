// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "report/adaptation_options.h"
#include "report/shift.h"

namespace maprune {

class Progress;
class TReport;

// The origin search of one layer: the shifts under which the regions of
// layer `layer` of report `x` fit those of the same layer of report `y`.
//
// Candidates are the shifts (B.CX - A.CX, B.CY - A.CY) of every pair of a
// region A of x and a region B of y in the layer whose terrain is compatible
// (B's terrain number is in A's terrain set), in the order of first
// appearance (regions of x in list order, then regions of y in list order).
// A candidate is tested against every region A of x in the layer: the region
// of y at A's shifted place (the first in y's list when several share it)
// counts a terrain match or mismatch, and, when both names are non-empty, a
// name match or mismatch. A candidate is accepted when it stays below both
// mismatch limits of `options`, with the score matches minus mismatches.
// Pairs further apart than a 16-bit shift can hold form no candidate.
//
// Returns the accepted shifts, highest score first and in candidate order on
// equal scores. Every pair is counted once, by its shift, so the cost grows
// with the product of the two layers' sizes and not with the number of
// candidates times the layer size. Reports progress on the bar through
// 0..1000 (without setting the final 1000) and lets it process events every
// 64 regions of x and every 64 candidates.
std::vector<ScoredShift> SearchShifts(const TReport& x, const TReport& y, int32_t layer,
                                      const AdaptationOptions& options, Progress& progress);

} // namespace maprune
