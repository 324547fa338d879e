// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "map/map_extent.h"
#include "map/map_view.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

TEST(ComputeMapExtent, OneRegionIsOneTileCentredInTheView)
{
    TestWorld world;
    world.AddRegion(-2, 3);
    MapViewState view;
    view.Extent = ComputeMapExtent(world.Report(), view.Layout);
    EXPECT_EQ(view.Extent.MapLeft, -128 + 96);
    EXPECT_EQ(view.Extent.MapTop, -144);
    EXPECT_EQ(view.Extent.MapWidth, 64);
    EXPECT_EQ(view.Extent.MapHeight, 64);
    EXPECT_EQ(view.Extent.Overview, (OverviewBounds { -1, -3, 0, -3 }));
    EXPECT_EQ(view.Extent.Overview.Width(), 2);
    EXPECT_EQ(view.Extent.Overview.Height(), 1);

    view.ViewWidth = 800;
    view.ViewHeight = 601;
    SetupScrollBars(view);
    EXPECT_EQ(view.Horizontal.Maximum, 0);
    EXPECT_EQ(view.Vertical.Maximum, 0);
    EXPECT_EQ(view.CentreOffsetX, 368);
    EXPECT_EQ(view.CentreOffsetY, 268);
    EXPECT_EQ(
        MapToScreen(view, { view.Extent.MapLeft, view.Extent.MapTop }), (MapPoint { 368, 268 }));
}

TEST(ComputeMapExtent, SpansTheRegionsOfTheActiveLayerOnly)
{
    TestWorld world;
    world.AddRegion(0, 0);
    world.AddRegion(1, 0);
    world.AddRegion(0, 1);
    world.AddRegion(50, 50, 1);
    for (MapLayout layout : { MapLayout::XAxisWestEast, MapLayout::YAxisNorthSouth }) {
        const MapExtent extent = ComputeMapExtent(world.Report(), layout);
        if (layout == MapLayout::XAxisWestEast)
            EXPECT_EQ(extent, (MapExtent { 0, -48, 128, 112, { 0, -1, 3, 0 } }));
        else
            EXPECT_EQ(extent, (MapExtent { 0, -64, 112, 128, { 0, -1, 3, 0 } }));
    }
}

TEST(ComputeMapExtent, EmptyLayerGivesANegativeSizeAndNoOverview)
{
    TestWorld world;
    world.AddRegion(0, 0, 1);
    const MapExtent extent = ComputeMapExtent(world.Report(), MapLayout::XAxisWestEast);
    EXPECT_EQ(extent.MapLeft, 1'000'000'000);
    EXPECT_EQ(extent.MapTop, 1'000'000'000);
    EXPECT_EQ(extent.MapWidth, -1'999'999'936);
    EXPECT_EQ(extent.MapHeight, -1'999'999'936);
    EXPECT_EQ(extent.Overview.Width(), 0);
    EXPECT_EQ(extent.Overview.Height(), 0);
    TestWorld none;
    EXPECT_EQ(ComputeMapExtent(none.Report(), MapLayout::YAxisNorthSouth),
        ComputeMapExtent(world.Report(), MapLayout::XAxisWestEast));

    // The scroll bars treat it like a map smaller than the view.
    MapViewState view;
    view.Extent = ComputeMapExtent(none.Report(), view.Layout);
    view.ViewWidth = 640;
    view.ViewHeight = 480;
    SetupScrollBars(view);
    EXPECT_FALSE(view.Horizontal.Enabled());
    EXPECT_FALSE(view.Vertical.Enabled());
    EXPECT_EQ(view.CentreOffsetX, (1'999'999'936 + 640) / 2);
}

TEST(ComputeMapExtent, RegionsFarApartAndBeyondTheStartValues)
{
    TestWorld world;
    world.AddRegion(30000, 0);
    world.AddRegion(-30000, 0);
    world.AddRegion(0, 30000);
    world.AddRegion(0, -30000);
    const MapExtent far = ComputeMapExtent(world.Report(), MapLayout::XAxisWestEast);
    EXPECT_EQ(far.MapLeft, -1'920'000);
    EXPECT_EQ(far.MapWidth, 3'840'064);
    EXPECT_EQ(far.MapTop, -1'440'000);
    EXPECT_EQ(far.MapHeight, 2'880'064);

    // A layer lying entirely beyond a billion pixels keeps its true bounds.
    TestWorld extreme;
    const int32_t min = std::numeric_limits<int32_t>::min();
    extreme.AddRegion(min, min);
    extreme.AddRegion(min + 1, min);
    const MapExtent e = ComputeMapExtent(extreme.Report(), MapLayout::XAxisWestEast);
    EXPECT_EQ(e.MapLeft, 96 * int64_t { min });
    EXPECT_EQ(e.MapWidth, 128);
    EXPECT_EQ(e.MapHeight, 64);
    EXPECT_EQ(e.Overview.Width(), 4);
}
