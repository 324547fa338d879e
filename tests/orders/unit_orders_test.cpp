// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/test_world.h"
#include "model/lines.h"
#include "orders/unit_orders.h"

namespace maprune {
namespace {

using Lines = std::vector<std::string>;

// The default order shown in the unit's line follows an edited first order
// unless the report named a default of its own.
TEST(UnitOrdersTest, TheDefaultTakenFromTheFirstOrderFollowsIt)
{
    const struct {
        const char* Default;
        Lines Before;
        Lines After;
        const char* Expected;
    } cases[] = {
        { "ARBEITE", { "ARBEITE", "LERNE Reiten" }, { "LERNE Tarnung" }, "LERNE Tarnung" },
        { "", {}, { "MACHE Holz" }, "MACHE Holz" },
        { "ARBEITE", { "ARBEITE" }, {}, "" },
        { "UNTERHALTE", { "ARBEITE" }, { "LERNE Reiten" }, "UNTERHALTE" },
    };
    maptest::TestWorld world;
    TUnit& unit = world.AddUnit(world.AddRegion(0, 0), 1, 1);
    for (const auto& c : cases) {
        unit.Default_ = c.Default;
        ReplaceUnitOrders(unit, c.Before);
        unit.Default_ = c.Default;
        ReplaceUnitOrders(unit, c.After);
        EXPECT_EQ(unit.Commands->Lines(), c.After);
        EXPECT_EQ(unit.Default_, c.Expected) << c.Default;
    }
}

} // namespace
} // namespace maprune
