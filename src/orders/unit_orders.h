// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace maprune {

class TUnit;

// Gives `unit` the order lines `lines` (in the report's encoding). A default
// order that was only the former first order (the reader takes the first
// order when the report names none) follows the new first order, so that
// the unit's line shows what it will do; one the report named stays.
void ReplaceUnitOrders(TUnit& unit, const std::vector<std::string>& lines);

} // namespace maprune
