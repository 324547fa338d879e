// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "map/hex_geometry.h"

using namespace maprune;

namespace {

constexpr MapLayout kRows = MapLayout::XAxisWestEast;
constexpr MapLayout kColumns = MapLayout::YAxisNorthSouth;
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

struct PixelCase {
    MapLayout Layout;
    int32_t X;
    int32_t Y;
    MapPoint Expected;
};

} // namespace

TEST(RegionToMapPixel, PlacesTilesByLayout)
{
    const std::vector<PixelCase> cases = {
        { kRows, 0, 0, { 0, 0 } },
        { kRows, 1, 0, { 64, 0 } },
        { kRows, 0, 1, { 32, -48 } },
        { kRows, 1, -1, { 32, 48 } },
        { kRows, -3, 2, { -128, -96 } },
        { kRows, -1, -1, { -96, 48 } },
        { kRows, 30000, -30000, { 960000, 1440000 } },
        { kRows, -30000, 30000, { -960000, -1440000 } },
        { kRows, kMin, kMin, { -206158430208, 103079215104 } },
        { kRows, kMax, kMax, { 206158430112, -103079215056 } },
        { kColumns, 0, 0, { 0, 0 } },
        { kColumns, 1, 0, { 48, -32 } },
        { kColumns, 0, 1, { 0, -64 } },
        { kColumns, -2, 3, { -96, -128 } },
        { kColumns, -1, -1, { -48, 96 } },
        { kColumns, 30000, 30000, { 1440000, -2880000 } },
        { kColumns, kMin, kMin, { -103079215104, 206158430208 } },
    };
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(
            testing::Message() << "layout " << int(c.Layout) << " at " << c.X << "," << c.Y);
        EXPECT_EQ(RegionToMapPixel(c.X, c.Y, c.Layout), c.Expected);
        const MapRect tile = TileRect(c.X, c.Y, c.Layout);
        EXPECT_EQ(
            tile, (MapRect { c.Expected.X, c.Expected.Y, c.Expected.X + 64, c.Expected.Y + 64 }));
    }
}

TEST(InsideHexagon, ShapesArePointyTopAndTransposedFlatTop)
{
    // The middle band and the apexes of the pointy-top hexagon.
    EXPECT_TRUE(InsideHexagon(0, 16, kRows));
    EXPECT_TRUE(InsideHexagon(63, 47, kRows));
    EXPECT_TRUE(InsideHexagon(31, 0, kRows));
    EXPECT_TRUE(InsideHexagon(32, 63, kRows));
    EXPECT_FALSE(InsideHexagon(29, 0, kRows));
    EXPECT_FALSE(InsideHexagon(0, 15, kRows));
    EXPECT_FALSE(InsideHexagon(63, 63, kRows));
    // Transposed for the other layout.
    EXPECT_TRUE(InsideHexagon(16, 0, kColumns));
    EXPECT_FALSE(InsideHexagon(15, 0, kColumns));
    EXPECT_TRUE(InsideHexagon(0, 31, kColumns));
    // Outside the tile.
    EXPECT_FALSE(InsideHexagon(-1, 32, kRows));
    EXPECT_FALSE(InsideHexagon(32, 64, kColumns));
}

TEST(MapPixelToRegion, EveryPixelLiesInExactlyOneHexagon)
{
    for (MapLayout layout : { kRows, kColumns }) {
        for (int64_t py = -200; py < 200; py += 3) {
            for (int64_t px = -200; px < 200; px += 3) {
                int hits = 0;
                HexCoordinates owner;
                for (int32_t y = -8; y <= 8; ++y) {
                    for (int32_t x = -8; x <= 8; ++x) {
                        const MapPoint tile = RegionToMapPixel(x, y, layout);
                        if (InsideHexagon(px - tile.X, py - tile.Y, layout)) {
                            ++hits;
                            owner = { x, y };
                        }
                    }
                }
                ASSERT_EQ(hits, 1) << px << "," << py;
                const auto found = MapPixelToRegion({ px, py }, layout);
                ASSERT_TRUE(found.has_value());
                EXPECT_EQ(*found, owner) << px << "," << py;
            }
        }
    }
}

TEST(MapPixelToRegion, RoundTripsTheHexagonOfFarRegions)
{
    const std::vector<HexCoordinates> regions = { { 0, 0 }, { -1, 3 }, { 30000, -30000 },
        { -30000, 30000 }, { kMax, kMax }, { kMin, kMin }, { kMin, kMax } };
    for (MapLayout layout : { kRows, kColumns }) {
        for (const HexCoordinates& r : regions) {
            const MapPoint tile = RegionToMapPixel(r.X, r.Y, layout);
            for (int64_t v = 0; v < 64; ++v) {
                for (int64_t u = 0; u < 64; ++u) {
                    const auto found = MapPixelToRegion({ tile.X + u, tile.Y + v }, layout);
                    if (InsideHexagon(u, v, layout)) {
                        ASSERT_TRUE(found.has_value());
                        EXPECT_EQ(*found, r);
                    } else if (found) {
                        EXPECT_NE(*found, r);
                    }
                }
            }
        }
    }
}

TEST(MapPixelToRegion, TileCornersFallThroughToTheNeighbours)
{
    // Pointy-top: the four corners belong to the diagonal neighbours.
    EXPECT_EQ(MapPixelToRegion({ 0, 0 }, kRows), (HexCoordinates { -1, 1 }));
    EXPECT_EQ(MapPixelToRegion({ 63, 0 }, kRows), (HexCoordinates { 0, 1 }));
    EXPECT_EQ(MapPixelToRegion({ 0, 63 }, kRows), (HexCoordinates { 0, -1 }));
    EXPECT_EQ(MapPixelToRegion({ 63, 63 }, kRows), (HexCoordinates { 1, -1 }));
    EXPECT_EQ(MapPixelToRegion({ 32, 32 }, kRows), (HexCoordinates { 0, 0 }));
    // Flat-top: the corners belong to the neighbours of the columns beside.
    EXPECT_EQ(MapPixelToRegion({ 0, 0 }, kColumns), (HexCoordinates { -1, 1 }));
    EXPECT_EQ(MapPixelToRegion({ 63, 0 }, kColumns), (HexCoordinates { 1, 0 }));
    EXPECT_EQ(MapPixelToRegion({ 0, 63 }, kColumns), (HexCoordinates { -1, 0 }));
    EXPECT_EQ(MapPixelToRegion({ 63, 63 }, kColumns), (HexCoordinates { 1, -1 }));
}

TEST(MapPixelToRegion, PixelsBeyondAnyRegionYieldNone)
{
    const MapPoint beyond = RegionToMapPixel(kMax, 0, kRows);
    EXPECT_FALSE(MapPixelToRegion({ beyond.X + 100, 32 }, kRows).has_value());
    const int64_t huge = std::numeric_limits<int64_t>::max();
    EXPECT_FALSE(MapPixelToRegion({ huge, -huge }, kRows).has_value());
    EXPECT_FALSE(
        MapPixelToRegion({ std::numeric_limits<int64_t>::min(), 0 }, kColumns).has_value());
}

TEST(RegionToOverviewCell, IgnoresTheLayout)
{
    EXPECT_EQ(RegionToOverviewCell(0, 0), (MapPoint { 0, 0 }));
    EXPECT_EQ(RegionToOverviewCell(3, -2), (MapPoint { 4, 2 }));
    EXPECT_EQ(
        RegionToOverviewCell(kMin, kMin), (MapPoint { 3 * int64_t { kMin }, -int64_t { kMin } }));
}
