// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/tile_text.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

TEST(TextPasses, EachStyleWritesItsPassesInOrder)
{
    using P = TextPass;
    EXPECT_EQ(TextPasses(0), (std::vector<P> { { 0, 0, false } }));
    EXPECT_EQ(TextPasses(1), (std::vector<P> { { 0, 0, true } }));
    EXPECT_EQ(TextPasses(2), (std::vector<P> { { 1, 1, true }, { 0, 0, false } }));
    EXPECT_EQ(TextPasses(3), (std::vector<P> { { 1, 1, false }, { 0, 0, true } }));
    EXPECT_EQ(TextPasses(4),
        (std::vector<P> {
            { -1, 0, true }, { 1, 0, true }, { 0, -1, true }, { 0, 1, true }, { 0, 0, false } }));
    EXPECT_EQ(TextPasses(5),
        (std::vector<P> { { -1, 0, false }, { 1, 0, false }, { 0, -1, false }, { 0, 1, false },
            { 0, 0, true } }));
}

TEST(TextPasses, AStyleOutOfRangeWritesPlainBlack)
{
    EXPECT_EQ(TextPasses(6), TextPasses(0));
    EXPECT_EQ(TextPasses(-1), TextPasses(0));
}

TEST(PlaceTileText, NameAboveTheMiddleCoordinatesBelow)
{
    const TileTextPlacement p = PlaceTileText(true, 41, 12, true, 20, 12);
    EXPECT_TRUE(p.Name.Show);
    EXPECT_EQ(p.Name.X, 11); // (64 - 41) div 2
    EXPECT_EQ(p.Name.Y, 19); // 31 - 12
    EXPECT_TRUE(p.Coordinates.Show);
    EXPECT_EQ(p.Coordinates.X, 22);
    EXPECT_EQ(p.Coordinates.Y, 32);
}

TEST(PlaceTileText, CoordinatesAloneAreCentred)
{
    const TileTextPlacement p = PlaceTileText(false, 0, 12, true, 21, 13);
    EXPECT_FALSE(p.Name.Show);
    EXPECT_TRUE(p.Coordinates.Show);
    EXPECT_EQ(p.Coordinates.X, 21);
    EXPECT_EQ(p.Coordinates.Y, 25);
}

TEST(PlaceTileText, AWideLineStartsLeftOfTheTileRoundedDown)
{
    const TileTextPlacement p = PlaceTileText(true, 71, 12, false, 0, 12);
    EXPECT_EQ(p.Name.X, -4); // (64 - 71) div 2 rounded down
    EXPECT_FALSE(p.Coordinates.Show);
}

TEST(TextLinesOf, NameAndCoordinatesUnlessHidden)
{
    TestWorld world;
    TRegion& region = world.AddRegion(-3, 12);
    region.Name = "Mühlwald";
    TileTextLines lines = TextLinesOf(region, false, false);
    EXPECT_EQ(lines.Name, "Mühlwald");
    EXPECT_EQ(lines.Coordinates, "-3:12");
    lines = TextLinesOf(region, true, false);
    EXPECT_EQ(lines.Name, "");
    EXPECT_EQ(lines.Coordinates, "-3:12");
}

TEST(TextLinesOf, ARegionWithoutNameAndHiddenCoordinatesWritesNothing)
{
    TestWorld world;
    TRegion& region = world.AddRegion(1, 2);
    const TileTextLines lines = TextLinesOf(region, false, true);
    EXPECT_TRUE(lines.Name.empty());
    EXPECT_TRUE(lines.Coordinates.empty());
    const TileTextPlacement p = PlaceTileText(false, 0, 12, false, 0, 12);
    EXPECT_FALSE(p.Name.Show);
    EXPECT_FALSE(p.Coordinates.Show);
}
