// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "orders/text_lines.h"

namespace maprune {

class TReport;

// The regions of layer `layer` as a MERIAN text map: the header and legend,
// the column labels above, one grid row per map row with its y coordinate
// on both sides, the labels below. Every selected region (every region with
// `allRegions`) puts its terrain's letter into its cell. No lines when no
// region qualifies; throws Error when the regions lie too far apart for a
// text map (more than 20,000 characters wide or high).
TextLines MerianMap(const TReport& report, int32_t layer, bool allRegions);

} // namespace maprune
