// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "tools/lines/category_lines.h"

namespace maprune {

class TReport;

// The units of every selected region (Tag bit TagSelected) of every layer,
// described with `displayOptions` (UnitDisplayOption bits), the lines of the
// units window entered by category (LinesByCategory): the units of one party
// in region order and then in unit order.
std::vector<CategoryLine> SelectedUnitLines(const TReport& report, unsigned displayOptions);

} // namespace maprune
