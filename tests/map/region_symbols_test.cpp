// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/region_symbols.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

namespace {

void SetStreet(TRegion& region, int32_t value)
{
    region.Street->AddValue(1, value);
}

} // namespace

TEST(StreetPieces, OnlyBetweenTwoCompleteStreets)
{
    TestWorld world;
    TRegion& centre = world.AddRegion(0, 0);
    TRegion& west = world.AddRegion(-1, 0); // slot 0
    TRegion& east = world.AddRegion(1, 0); // slot 3
    TRegion& northEast = world.AddRegion(0, 1); // slot 2
    SetStreet(centre, 100);
    SetStreet(west, 100);
    SetStreet(east, 99);
    const auto pieces = StreetPieces(centre);
    EXPECT_EQ(pieces, (std::array<bool, 6> { true, false, false, false, false, false }));
    // The neighbour draws the other half of the street towards the centre.
    EXPECT_EQ(
        StreetPieces(west), (std::array<bool, 6> { false, false, false, true, false, false }));
    EXPECT_EQ(StreetPieces(east), (std::array<bool, 6> {}));
    EXPECT_EQ(StreetPieces(northEast), (std::array<bool, 6> {}));
}

TEST(StreetPieces, NoneForAnIncompleteStreetEvenBesideCompleteOnes)
{
    TestWorld world;
    TRegion& centre = world.AddRegion(0, 0);
    SetStreet(world.AddRegion(1, -1), 100);
    SetStreet(centre, 50);
    EXPECT_EQ(StreetPieces(centre), (std::array<bool, 6> {}));
}

TEST(RegionIcons, EachIconByItsTest)
{
    TestWorld world;
    world.Report().ActiveParty = 7;
    TRegion& region = world.AddRegion(0, 0);
    EXPECT_EQ(RegionIcons(region), (std::array<bool, 5> {}));

    world.AddUnit(region, 8, 5, 0, true); // a foreign guard: neither own units nor own guards
    EXPECT_EQ(RegionIcons(region), (std::array<bool, 5> {}));
    world.AddUnit(region, 7, 5);
    EXPECT_EQ(RegionIcons(region), (std::array<bool, 5> { false, true, false, false, false }));
    world.AddUnit(region, 7, 5, 0, true);
    EXPECT_EQ(RegionIcons(region), (std::array<bool, 5> { false, true, false, true, false }));
    region.Comment->Add("Hier Eisen suchen");
    region.Buildings->Add(CreateEmpty<TBuilding>(&world.Report()));
    region.Ships->Add(CreateEmpty<TShip>(&world.Report()));
    EXPECT_EQ(RegionIcons(region), (std::array<bool, 5> { true, true, true, true, true }));
}
