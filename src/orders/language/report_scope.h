// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "orders/language/order_finding.h"
#include "orders/language/order_scope.h"

namespace maprune {

class OrderGrammar;
class TRegion;
class TReport;
class TUnit;

// The scope of `unit`'s orders in `region` (either may be null: a unit
// without region checks no numbers).
OrderScope ScopeOfUnit(const TReport& report, const TRegion* region, const TUnit* unit);

// The scope of the orders at `line` of an order file's lines: of the unit
// of the last EINHEIT line at or above it, in the region of the REGION line
// above that.
OrderScope ScopeAtLine(TReport& report, const std::vector<std::string>& lines, size_t line);

// The findings of an order file (UTF-8 lines, as BuildOrderFile writes
// them): the lines after each EINHEIT line are that unit's orders, checked
// in the scope of the unit the report holds under that number. Lines
// before the first EINHEIT line and from NAECHSTER on are not orders.
std::vector<OrderFinding> CheckOrderFile(
    const OrderGrammar& grammar, TReport& report, const std::vector<std::string>& lines);

} // namespace maprune
