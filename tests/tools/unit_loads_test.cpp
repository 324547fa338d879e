// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tools/unit_fixture.h"
#include "tools/units/unit_loads.h"

namespace maprune {
namespace {

using test::AddUnitWith;

struct LoadCase {
    const char* Name;
    int32_t Persons;
    const char* Race;
    std::vector<TItem> Items;
    int32_t Riding;
    double Weight;
    double Riding_;
    double Leading;
};

TEST(UnitLoads, WeightAndFreeCapacitiesOfRidersAndLeaders)
{
    test::UnitGameData data;
    const LoadCase cases[] = {
        // Nobody may ride or lead: horses and carts are carried.
        { "no riding", 10, "Menschen", { { "Pferde", 4 }, { "Wagen", 2 } }, 0, 380, -380, -130 },
        // Level 1: 20 horses ridden, 50 led; the rest is carried.
        { "riding 1", 10, "Menschen", { { "Pferde", 60 } }, 1, 3100, -1700, 650 },
        // Two horses draw one cart, two trolls' carts are drawn by eight
        // trolls, two carts are carried.
        { "trolls", 8, "Trolle", { { "Pferde", 2 }, { "Wagen", 5 } }, 1, 460, -180, 260 },
        // Silver weighs, an unknown race (all-zero record) weighs nothing.
        { "unknown race", 3, "Gnome", { { "Silber", 250 } }, 0, 2.5, -2.5, -2.5 },
    };
    for (const LoadCase& c : cases) {
        maptest::TestWorld world;
        TRegion& region = world.AddRegion(0, 0);
        std::vector<TTalent> talents;
        if (c.Riding > 0)
            talents.push_back({ "Reiten", 30 * c.Persons, c.Riding });
        const TUnit& unit = AddUnitWith(world, region, 1, c.Persons, c.Race, c.Items, talents);
        EXPECT_DOUBLE_EQ(TotalWeight(unit), c.Weight) << c.Name;
        EXPECT_DOUBLE_EQ(FreeRidingCapacity(unit), c.Riding_) << c.Name;
        EXPECT_DOUBLE_EQ(FreeLeadingCapacity(unit), c.Leading) << c.Name;
    }
}

TEST(UnitLoads, WeightsAreWrittenWithPrefixes)
{
    const std::pair<double, const char*> cases[]
        = { { 0, "0 GE" }, { 0.5, "500 mGE" }, { 1500, "1.5 kGE" }, { 1000, "1000 GE" },
              { 2.50, "2.5 GE" }, { -3, "(3 GE)" }, { 317.64, "317.64 GE" }, { 1e-30, "< 1 aGE" } };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatWeight(2, "GE", value), text) << value;
    EXPECT_EQ(FormatWeight(0, "GE", 12.6), "13 GE");
}

} // namespace
} // namespace maprune
