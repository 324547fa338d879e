// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/map_navigation.h"
#include "map/overview.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::MakeTerrain;
using maprune::maptest::TestWorld;

namespace {

GameRecord Terrain(Rgb overview)
{
    GameRecord record = MakeTerrain(1000, false);
    record.SetInt32(76, static_cast<int32_t>(overview));
    return record;
}

Rgb PixelOf(const OverviewPicture& picture, const OverviewBounds& bounds, int32_t x, int32_t y)
{
    const MapPoint cell = RegionToOverviewCell(x, y);
    return picture.Pixels[static_cast<size_t>(
        (cell.Y - bounds.Top) * picture.Width + (cell.X - bounds.Left))];
}

} // namespace

TEST(FitOverviewZoom, ASmallMapIsZoomedUpToAboutThirtyTwoPixels)
{
    // 32 div zoom must not exceed the sides: 10 x 4 needs zoom 7 (32 div 7 = 4).
    EXPECT_EQ(FitOverviewZoom(1, 10, 4, 1920, 1080), 7);
    EXPECT_EQ(FitOverviewZoom(1, 40, 40, 1920, 1080), 1);
    EXPECT_EQ(FitOverviewZoom(5, 40, 40, 1920, 1080), 5);
}

TEST(FitOverviewZoom, ALargeMapIsZoomedDownToFitTheScreen)
{
    // (1920 - 32) div 3 = 629 < 700: zoom 2 fits.
    EXPECT_EQ(FitOverviewZoom(3, 700, 100, 1920, 1080), 2);
    EXPECT_EQ(FitOverviewZoom(4, 5000, 100, 1920, 1080), 1);
}

TEST(FitOverviewZoom, TheStoredZoomIsLimitedAndTheResultStaysInRange)
{
    EXPECT_EQ(FitOverviewZoom(0, 40, 40, 1920, 1080), 1);
    EXPECT_EQ(FitOverviewZoom(99, 40, 40, 4000, 4000), 32);
    // An empty layer has no side, which would let the zoom climb past 32;
    // the stored zoom stays.
    EXPECT_EQ(FitOverviewZoom(3, 0, 0, 1920, 1080), 3);
    EXPECT_EQ(FitOverviewZoom(40, 0, 5, 1920, 1080), 32);
}

TEST(BuildOverviewPicture, EachRegionColoursTwoCellsInTheTerrainColour)
{
    TestWorld world;
    const GameRecord plains = Terrain(0x98D060);
    const GameRecord sea = Terrain(0x2050C0);
    world.Report().Turn = 5;
    TRegion& a = world.AddRegion(0, 0, 0, &plains);
    TRegion& b = world.AddRegion(1, 1, 0, &sea);
    a.FullInfoDate = 5;
    b.FullInfoDate = 5;
    world.AddRegion(7, 7, 1, &sea); // another layer
    const MapExtent extent = ComputeMapExtent(world.Report(), MapLayout::XAxisWestEast);

    const OverviewPicture picture = BuildOverviewPicture(world.Map(), extent.Overview, {});
    // Cells (0,0),(1,0) and (3,-1),(4,-1): columns 0 .. 4, rows -1 .. 0.
    EXPECT_EQ(picture.Width, 5);
    EXPECT_EQ(picture.Height, 2);
    EXPECT_EQ(picture.CellsPerPixel, 1);
    EXPECT_EQ(PixelOf(picture, extent.Overview, 0, 0), 0x98D060u);
    EXPECT_EQ(picture.Pixels[static_cast<size_t>(1 * 5 + 1)], 0x98D060u);
    EXPECT_EQ(PixelOf(picture, extent.Overview, 1, 1), 0x2050C0u);
    EXPECT_EQ(picture.Pixels[static_cast<size_t>(0 * 5 + 4)], 0x2050C0u);
    EXPECT_EQ(picture.Pixels[0], 0u); // no region there
}

TEST(BuildOverviewPicture, OutdatedRegionsAreHalvedWhileDimming)
{
    TestWorld world;
    const GameRecord plains = Terrain(0x98D061);
    world.Report().Turn = 5;
    TRegion& region = world.AddRegion(0, 0, 0, &plains);
    region.FullInfoDate = 4;
    const MapExtent extent = ComputeMapExtent(world.Report(), MapLayout::XAxisWestEast);

    OverviewOptions options;
    EXPECT_EQ(BuildOverviewPicture(world.Map(), extent.Overview, options).Pixels[0], 0x4C6830u);
    EXPECT_NE(region.Tag() & TagOutdated, 0);
    options.Dimming = false;
    EXPECT_EQ(BuildOverviewPicture(world.Map(), extent.Overview, options).Pixels[0], 0x98D061u);
    options.Dimming = true;
    options.FowMode = 1;
    EXPECT_EQ(BuildOverviewPicture(world.Map(), extent.Overview, options).Pixels[0], 0x98D061u);
}

TEST(BuildOverviewPicture, StatisticShowsMapColorPoliticalTheLargestShare)
{
    TestWorld world;
    TRegion& region = world.AddRegion(0, 0);
    TRegion& empty = world.AddRegion(1, 0);
    world.Map().Colours(region).MapColor = 0x123456;
    world.Map().Colours(empty).MapColor = 0x654321;
    const MapExtent extent = ComputeMapExtent(world.Report(), MapLayout::XAxisWestEast);
    OverviewOptions options;
    options.Mode = MapMode::Statistic;
    EXPECT_EQ(BuildOverviewPicture(world.Map(), extent.Overview, options).Pixels[1], 0x123456u);
    options.Mode = MapMode::Political;
    world.Map().Colours(region).PoliticShares.AddShare(0x0000FF, 5, "klein", 1);
    world.Map().Colours(region).PoliticShares.AddShare(0x00FF00, 9, "groß", 1);
    const OverviewPicture picture = BuildOverviewPicture(world.Map(), extent.Overview, options);
    EXPECT_EQ(picture.Pixels[0], 0x00FF00u);
    EXPECT_EQ(picture.Pixels[2], kNoValueColour);
}

TEST(BuildOverviewPicture, AnEmptyLayerGivesAnEmptyPicture)
{
    TestWorld world;
    world.AddRegion(0, 0, 3);
    const MapExtent extent = ComputeMapExtent(world.Report(), MapLayout::XAxisWestEast);
    const OverviewPicture picture = BuildOverviewPicture(world.Map(), extent.Overview, {});
    EXPECT_EQ(picture.Width, 0);
    EXPECT_EQ(picture.Height, 0);
    EXPECT_TRUE(picture.Pixels.empty());
}

TEST(BuildOverviewPicture, FarApartRegionsShareSmallPicture)
{
    // Two regions a billion cells apart would need a picture of gigabytes.
    TestWorld world;
    const GameRecord plains = Terrain(0x98D060);
    world.AddRegion(-500'000'000, 0, 0, &plains);
    world.AddRegion(500'000'000, 3, 0, &plains);
    const MapExtent extent = ComputeMapExtent(world.Report(), MapLayout::XAxisWestEast);
    const OverviewPicture picture = BuildOverviewPicture(world.Map(), extent.Overview, {});
    EXPECT_LE(picture.Width, kMaxOverviewSide);
    EXPECT_LE(picture.Height, kMaxOverviewSide);
    EXPECT_GT(picture.CellsPerPixel, 1);
    EXPECT_EQ(picture.Pixels.size(), static_cast<size_t>(picture.Width * picture.Height));
    // Both regions still show, at the two ends of the picture.
    EXPECT_NE(picture.Pixels.front(), 0u);
    EXPECT_NE(picture.Pixels.back(), 0u);
}

TEST(OverviewFrame, TheViewScaledToTheClientArea)
{
    MapViewState view;
    view.ViewWidth = 400;
    view.ViewHeight = 300;
    view.Horizontal.Maximum = 1200;
    view.Horizontal.Position = 800;
    view.Vertical.Maximum = 300;
    view.Vertical.Position = 150;
    // x by 160 / 1600, y by 120 / 600.
    const MapRect frame = OverviewFrame(view, 160, 120);
    EXPECT_EQ(frame, (MapRect { 80, 30, 120, 90 }));
}

TEST(OverviewScrollTarget, ThePointLimitedAndScaledToTheMaxima)
{
    MapViewState view;
    view.Horizontal.Maximum = 1000;
    view.Vertical.Maximum = 500;
    EXPECT_EQ(OverviewScrollTarget(view, { 50, 20 }, 101, 41), (MapPoint { 500, 250 }));
    EXPECT_EQ(OverviewScrollTarget(view, { 300, -5 }, 101, 41), (MapPoint { 1000, 0 }));
    EXPECT_EQ(OverviewScrollTarget(view, { 33, 13 }, 101, 41), (MapPoint { 330, 162 }));
    EXPECT_EQ(OverviewScrollTarget(view, { 5, 5 }, 1, 1), (MapPoint { 0, 0 }));
}
