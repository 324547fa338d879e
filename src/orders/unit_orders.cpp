// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/unit_orders.h"

#include "model/lines.h"
#include "model/unit.h"

namespace maprune {

void ReplaceUnitOrders(TUnit& unit, const std::vector<std::string>& lines)
{
    const std::vector<std::string>& old = unit.Commands->Lines();
    const bool followsFirst
        = unit.Default_.empty() || (!old.empty() && unit.Default_ == old.front());
    unit.Commands->Clear();
    for (const std::string& line : lines)
        unit.Commands->Add(line);
    if (followsFirst)
        unit.Default_ = lines.empty() ? std::string() : lines.front();
}

} // namespace maprune
