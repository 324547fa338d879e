// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "map/bsp_tree.h"
#include "map/map_navigation.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

namespace {

MapViewState ViewOf(TMapState& state, MapLayout layout, int64_t width, int64_t height)
{
    MapViewState view;
    view.Layout = layout;
    view.ViewWidth = width;
    view.ViewHeight = height;
    RebuildView(state, view);
    return view;
}

// The screen pixel at (u, v) in the tile of `region`.
MapPoint InTile(const MapViewState& view, const TRegion& region, int64_t u, int64_t v)
{
    const MapPoint corner = RegionToScreen(view, region);
    return { corner.X + u, corner.Y + v };
}

} // namespace

TEST(HitTest, FindsTheRegionWhoseHexagonHoldsThePoint)
{
    for (MapLayout layout : { MapLayout::XAxisWestEast, MapLayout::YAxisNorthSouth }) {
        SCOPED_TRACE(int(layout));
        TestWorld world;
        TReport& report = world.Report();
        TRegion& centre = world.AddRegion(0, 0);
        std::vector<TRegion*> ring;
        for (auto [dx, dy] :
            { std::pair { -1, 0 }, { -1, 1 }, { 0, 1 }, { 1, 0 }, { 1, -1 }, { 0, -1 } })
            ring.push_back(&world.AddRegion(dx, dy));
        MapViewState view = ViewOf(world.Map(), layout, 500, 400);

        EXPECT_EQ(HitTest(report, view, InTile(view, centre, 32, 32)), &centre);
        // The four corners of the centre tile lie in neighbouring hexagons.
        for (auto [u, v] : { std::pair { 0, 0 }, { 63, 0 }, { 0, 63 }, { 63, 63 } }) {
            TRegion* hit = HitTest(report, view, InTile(view, centre, u, v));
            EXPECT_NE(hit, &centre) << u << "," << v;
            EXPECT_NE(std::find(ring.begin(), ring.end(), hit), ring.end()) << u << "," << v;
        }
        EXPECT_EQ(HitTest(report, view, InTile(view, centre, 0, 0)), ring[1]);
    }
}

TEST(HitTest, CornerWithoutNeighbourHitsNothing)
{
    TestWorld world;
    TReport& report = world.Report();
    TRegion& only = world.AddRegion(4, -2);
    MapViewState view = ViewOf(world.Map(), MapLayout::XAxisWestEast, 300, 200);
    EXPECT_EQ(HitTest(report, view, InTile(view, only, 31, 1)), &only);
    EXPECT_EQ(HitTest(report, view, InTile(view, only, 1, 1)), nullptr);
    EXPECT_EQ(HitTest(report, view, { 0, 0 }), nullptr);
    EXPECT_EQ(HitTest(report, view, { -5'000'000'000, 7 }), nullptr);
}

TEST(HitTest, FirstInListWinsAndOtherLayersAreIgnored)
{
    TestWorld world;
    TReport& report = world.Report();
    world.AddRegion(2, 2, 1);
    TRegion& first = world.AddRegion(2, 2);
    world.AddRegion(2, 2);
    MapViewState view = ViewOf(world.Map(), MapLayout::XAxisWestEast, 300, 200);
    EXPECT_EQ(HitTest(report, view, InTile(view, first, 32, 32)), &first);

    TestWorld empty;
    MapViewState emptyView = ViewOf(empty.Map(), MapLayout::XAxisWestEast, 300, 200);
    EXPECT_EQ(HitTest(empty.Report(), emptyView, { 150, 100 }), nullptr);
}

TEST(SwitchLayer, SwitchesOnlyToAnotherExistingLayer)
{
    TestWorld world;
    TReport& report = world.Report();
    world.AddRegion(0, 0, 1);
    TRegion& ground = world.AddRegion(0, 0, 0);
    TRegion& upper = world.AddRegion(5, 5, 1);
    report.SetIndexed(true);
    EXPECT_FALSE(SwitchLayer(report, 0));
    EXPECT_FALSE(SwitchLayer(report, 7));
    EXPECT_EQ(report.ActiveLayer, 0);
    EXPECT_EQ(world.Map().BSPTree().NodeRegions().front().Region, &ground);

    EXPECT_TRUE(SwitchLayer(report, 1));
    EXPECT_EQ(report.ActiveLayer, 1);
    EXPECT_EQ(world.Map().BSPTree().NodeRegions().size(), 2u);
    EXPECT_EQ(world.Map().BSPTree().NodeRegions().back().Region, &upper);
}

TEST(CentreOn, ScrollsTheRegionToTheMiddleOfTheView)
{
    TestWorld world;
    TReport& report = world.Report();
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x)
            world.AddRegion(x, y);
    }
    TRegion& far = world.AddRegion(3, 3, 2);
    MapViewState view = ViewOf(world.Map(), MapLayout::XAxisWestEast, 640, 480);
    TRegion& target = *(*report.Regions)[20 * 40 + 10];

    const CentreResult centred = CentreOn(world.Map(), view, target);
    EXPECT_FALSE(centred.LayerSwitched);
    EXPECT_EQ(centred.Scroll.Effect, ScrollEffect::Redraw);
    EXPECT_EQ(RegionToScreen(view, target), (MapPoint { 320 - 32, 240 - 24 }));

    // A region in a corner of the map is brought as close as the range allows.
    TRegion& corner = *(*report.Regions)[0];
    CentreOn(world.Map(), view, corner);
    EXPECT_EQ(view.Horizontal.Position, 0);
    EXPECT_EQ(view.Vertical.Position, view.Vertical.Maximum);

    // A region on another layer switches the layer and rebuilds the view.
    const CentreResult switched = CentreOn(world.Map(), view, far);
    EXPECT_TRUE(switched.LayerSwitched);
    EXPECT_EQ(report.ActiveLayer, 2);
    EXPECT_EQ(view.Extent.MapWidth, 64);
    EXPECT_EQ(RegionToScreen(view, far), (MapPoint { 288, 208 }));
    EXPECT_EQ(switched.Scroll.Effect, ScrollEffect::Repaint);
}

TEST(RebuildView, AdoptsTheViewLayoutForTheDrawingIndex)
{
    TestWorld world;
    TReport& report = world.Report();
    world.AddRegion(1, 0);
    report.SetIndexed(true);
    MapViewState view = ViewOf(world.Map(), MapLayout::YAxisNorthSouth, 100, 100);
    EXPECT_EQ(world.Map().TileLayout(), MapLayout::YAxisNorthSouth);
    EXPECT_FALSE(report.Indexed());
    EXPECT_EQ(view.Extent.MapLeft, 48);
    EXPECT_EQ(view.Extent.MapTop, -32);
}

TEST(LayerList, FirstAppearanceOrderAndNames)
{
    TestWorld world;
    world.AddRegion(0, 0, 1);
    world.AddRegion(0, 0, 0);
    world.AddRegion(1, 0, 1);
    world.AddRegion(1, 0, -3);
    EXPECT_EQ(world.Report().Layers(), (std::vector<int32_t> { 1, 0, -3 }));
    EXPECT_EQ(LayerName(1), "Ebene 1");
    EXPECT_EQ(LayerName(-3), "Ebene -3");
    TestWorld empty;
    EXPECT_TRUE(empty.Report().Layers().empty());
}
