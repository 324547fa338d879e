// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom of the main map: the paired conversions, the steps, hit testing,
// scrolling and the place the map opens at.
#include <gtest/gtest.h>

#include <vector>

#include "map/bsp_tree.h"
#include "map/map_navigation.h"
#include "map/map_zoom.h"
#include "map/tile_text.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

namespace {

MapViewState ViewOf(TMapState& state, int64_t tileSize, int64_t width, int64_t height)
{
    MapViewState view;
    view.TileSize = tileSize;
    view.ViewWidth = width;
    view.ViewHeight = height;
    RebuildView(state, view);
    return view;
}

void FillGrid(TestWorld& world, int columns, int rows)
{
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            world.AddRegion(x - y / 2, y);
}

} // namespace

TEST(ZoomConversions, ComeInPairsAndPartitionTheZoomedTiles)
{
    for (const int64_t size : { 4, 8, 12, 48, 64, 96, 128 }) {
        SCOPED_TRACE(size);
        // Tile corners land on whole view pixels and come back exactly.
        for (const MapPoint corner : { RegionToMapPixel(3, -7, MapLayout::XAxisWestEast),
                 RegionToMapPixel(-5, 2, MapLayout::YAxisNorthSouth) }) {
            const MapPoint zoomed = MapToZoomed(corner, size);
            EXPECT_EQ(zoomed.X * kTileSize, corner.X * size);
            EXPECT_EQ(ZoomedToMap(zoomed, size).X - corner.X, (kTileSize / 2) / size);
        }
        // Each view pixel of a zoomed tile is drawn by exactly one of the
        // tile and its six neighbours: the one whose hexagon holds the map
        // pixel under its centre.
        for (const MapLayout layout : { MapLayout::XAxisWestEast, MapLayout::YAxisNorthSouth }) {
            std::vector<MapPoint> corners;
            for (auto [dx, dy] : { std::pair { 0, 0 }, { -1, 0 }, { -1, 1 }, { 0, 1 }, { 1, 0 },
                     { 1, -1 }, { 0, -1 } })
                corners.push_back(MapToZoomed(RegionToMapPixel(dx, dy, layout), size));
            for (int64_t v = 0; v < size; ++v) {
                for (int64_t u = 0; u < size; ++u) {
                    int drawn = 0;
                    for (const MapPoint& c : corners) {
                        const MapPoint local = ZoomedToMap({ u - c.X, v - c.Y }, size);
                        const bool inTile = u >= c.X && v >= c.Y && u < c.X + size && v < c.Y + size;
                        drawn += inTile && InsideHexagon(local.X, local.Y, layout) ? 1 : 0;
                    }
                    ASSERT_EQ(drawn, 1) << u << "," << v;
                }
            }
        }
    }
    EXPECT_EQ(ZoomedLength(-64, 8), -8);
    EXPECT_EQ(ZoomedRectToMap({ 0, 0, 64, 64 }, 64), (MapRect { 0, 0, 64, 64 }));
    EXPECT_EQ(ZoomedRectToMap({ 5, 5, 5, 9 }, 32), MapRect {});
}

TEST(ZoomSteps, RunFromTheWholeLayerToTwiceTheTileSize)
{
    EXPECT_EQ(ValidTileSize(64), 64);
    EXPECT_EQ(ValidTileSize(50), 48);
    EXPECT_EQ(ValidTileSize(0), 64);
    EXPECT_EQ(ValidTileSize(-8), 64);
    EXPECT_EQ(ValidTileSize(129), 64);

    const struct {
        int64_t Current;
        int Direction;
        int64_t WholeLayer;
        int64_t Next;
    } steps[] = { { 64, +1, 20, 96 }, { 96, +1, 20, 128 }, { 128, +1, 20, 128 },
        { 64, -1, 20, 48 }, { 24, -1, 20, 20 }, { 20, -1, 20, 20 }, { 20, +1, 20, 24 },
        { 64, -1, 64, 64 }, { 8, -1, 4, 4 } };
    for (const auto& step : steps)
        EXPECT_EQ(NextTileSize(step.Current, step.Direction, step.WholeLayer), step.Next)
            << step.Current << " " << step.Direction;

    // 40 x 30 regions: 40.5 tiles wide and 23.5 rows of 3/4 tile high.
    TestWorld world;
    FillGrid(world, 40, 30);
    const MapViewState view = ViewOf(world.Map(), 64, 800, 600);
    const int64_t whole = WholeLayerTileSize(view.Extent, 800, 600);
    EXPECT_EQ(whole, 16);
    EXPECT_LE(ZoomedLength(view.Extent.MapWidth, whole), 800);
    EXPECT_GT(ZoomedLength(view.Extent.MapWidth, whole + 4), 800);
    EXPECT_EQ(WholeLayerTileSize(view.Extent, 10, 10), kMinTileSize);
    EXPECT_EQ(WholeLayerTileSize(MapExtent { 0, 0, -5, -5, {} }, 10, 10), 64);
}

TEST(ZoomedView, HitTestsAndScrollsInZoomedPixels)
{
    TestWorld world;
    FillGrid(world, 30, 30);
    TReport& report = world.Report();
    for (const int64_t size : { 16, 64, 128 }) {
        SCOPED_TRACE(size);
        MapViewState view = ViewOf(world.Map(), size, 300, 200);
        EXPECT_EQ(view.Horizontal.SmallStep, size / 2);
        EXPECT_EQ(view.Horizontal.Maximum, ZoomedLength(view.Extent.MapWidth, size) - 300);
        ScrollBy(view, size, size);
        for (const TRegion* region : *report.Regions) {
            const MapPoint corner = RegionToScreen(view, *region);
            // The middle of a tile hits its region, its corner a neighbour.
            EXPECT_EQ(HitTest(report, view, { corner.X + size / 2, corner.Y + size / 2 }), region);
            EXPECT_NE(HitTest(report, view, corner), region);
        }
        // The drawing index finds every region whose zoomed tile is in view.
        std::vector<TRegion*> found;
        RegionsMeeting(world.Map().BSPTree(), VisibleMapRect(view), found);
        for (const TRegion* region : *report.Regions) {
            const MapPoint c = RegionToScreen(view, *region);
            const bool shown = c.X < 300 && c.Y < 200 && c.X + size > 0 && c.Y + size > 0;
            EXPECT_EQ(std::find(found.begin(), found.end(), region) != found.end(), shown);
        }
    }
}

TEST(ZoomedView, ZoomKeepsThePointUnderTheMouse)
{
    TestWorld world;
    FillGrid(world, 60, 60);
    MapViewState view = ViewOf(world.Map(), 64, 640, 480);
    ScrollBy(view, 900, 700);
    const MapPoint mouse { 211, 137 };
    for (const int64_t size : { 96, 128, 48, 32, 64 }) {
        SCOPED_TRACE(size);
        const MapPoint before = ScreenToMap(view, mouse);
        const int64_t oldSize = view.TileSize;
        EXPECT_TRUE(ZoomAt(view, size, mouse));
        const MapPoint after = ScreenToMap(view, mouse);
        // Within one view pixel of either zoom.
        const int64_t slack = kTileSize / std::min(oldSize, size);
        EXPECT_LE(std::abs(after.X - before.X), slack);
        EXPECT_LE(std::abs(after.Y - before.Y), slack);
    }
    EXPECT_FALSE(ZoomAt(view, 64, mouse));
}

TEST(OpenAt, UsesStoredPositionsElseTheOwnUnitsElseTheMiddle)
{
    TestWorld world;
    FillGrid(world, 60, 60);
    TReport& report = world.Report();
    report.ActiveParty = 7;
    MapViewState view = ViewOf(world.Map(), 64, 640, 480);

    EXPECT_TRUE(OpenAt(view, report, 320, 96));
    EXPECT_EQ(view.Horizontal.Position, 320);
    EXPECT_EQ(view.Vertical.Position, 96);

    // Without own units: the middle of the layer, also for positions out of
    // range.
    for (const auto& [x, y] : { std::pair<int64_t, int64_t> { 0, 0 }, { 1 << 20, 5 }, { -3, 4 } }) {
        EXPECT_FALSE(OpenAt(view, report, x, y));
        EXPECT_EQ(view.Horizontal.Position, view.Horizontal.Maximum / 2);
        EXPECT_EQ(view.Vertical.Position, view.Vertical.Maximum / 2);
    }

    // Units of the own party in three regions, of another in a far one: the
    // own region nearest their middle comes to the middle of the view.
    TRegion& west = *report.FindRegion(10, 40, 0);
    TRegion& middle = *report.FindRegion(14, 40, 0);
    TRegion& east = *report.FindRegion(17, 40, 0);
    for (TRegion* region : { &west, &middle, &east })
        world.AddUnit(*region, 7, 1);
    world.AddUnit(*report.FindRegion(40, 5, 0), 9, 1);
    EXPECT_EQ(OwnUnitsRegion(report, view.Layout), &middle);
    EXPECT_FALSE(OpenAt(view, report, 0, 0));
    EXPECT_EQ(RegionToScreen(view, middle), (MapPoint { 320 - 32, 240 - 24 }));
}

TEST(TileText, NamesStayWithinTheHexagonAtEveryZoom)
{
    EXPECT_EQ(MaxNameWidth(64, 12, MapLayout::XAxisWestEast), 62);
    // At 48 pixels the name's top row is above the hexagon's straight sides.
    EXPECT_EQ(MaxNameWidth(48, 12, MapLayout::XAxisWestEast), 44);
    // The flat-top hexagon narrows towards its top.
    EXPECT_LT(MaxNameWidth(64, 12, MapLayout::YAxisNorthSouth), 62);
    EXPECT_GT(MaxNameWidth(64, 12, MapLayout::YAxisNorthSouth), 40);
    const TileTextPlacement placed = PlaceTileText(true, 20, 12, true, 10, 12, 48);
    EXPECT_EQ(placed.Name.X, 14);
    EXPECT_EQ(placed.Name.Y, 11);
    EXPECT_EQ(placed.Coordinates.Y, 24);
}
