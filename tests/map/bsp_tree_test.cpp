// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "map/bsp_tree.h"
#include "map/hex_geometry.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

namespace {

std::vector<BSPEntry> EntriesAt(const std::vector<MapPoint>& tiles)
{
    std::vector<BSPEntry> entries;
    for (const MapPoint& tile : tiles)
        entries.push_back({ nullptr, tile });
    return entries;
}

void ForEachNode(const TBSPTree& node, const std::function<void(const TBSPTree&)>& visit)
{
    visit(node);
    if (node.IsSplit()) {
        ForEachNode(*node.First(), visit);
        ForEachNode(*node.Second(), visit);
    }
}

std::vector<const TBSPTree*> Leaves(const TBSPTree& root)
{
    std::vector<const TBSPTree*> leaves;
    ForEachNode(root, [&](const TBSPTree& node) {
        if (!node.IsSplit())
            leaves.push_back(&node);
    });
    return leaves;
}

// A world of `count` regions on layers 0 and 1 within +-`spread` of the
// origin; `distinct` keeps the coordinates of each layer apart.
void AddRandomRegions(TestWorld& world, std::mt19937& random, int count, int spread, bool distinct)
{
    std::uniform_int_distribution<int> coordinate(-spread, spread);
    std::uniform_int_distribution<int> layer(0, 3);
    std::set<std::tuple<int, int, int>> used;
    for (int i = 0; i < count; ++i) {
        const int x = coordinate(random);
        const int y = coordinate(random);
        const int z = layer(random) == 0 ? 1 : 0;
        if (distinct && !used.insert({ x, y, z }).second)
            continue;
        world.AddRegion(x, y, z);
    }
}

MapRect RandomRect(std::mt19937& random, const MapRect& around)
{
    const int64_t w = std::max<int64_t>(around.Right - around.Left, 1);
    const int64_t h = std::max<int64_t>(around.Bottom - around.Top, 1);
    std::uniform_int_distribution<int64_t> x(around.Left - w / 4, around.Right + w / 4);
    std::uniform_int_distribution<int64_t> y(around.Top - h / 4, around.Bottom + h / 4);
    std::uniform_int_distribution<int64_t> size(0, std::max<int64_t>(w, h) / 2);
    const int64_t left = x(random);
    const int64_t top = y(random);
    return { left, top, left + size(random), top + size(random) };
}

void ExpectExactlyTheRegionsMeeting(
    const TReport& report, const TBSPTree& tree, const MapRect& rect, MapLayout layout)
{
    std::vector<TRegion*> found;
    RegionsMeeting(tree, rect, found);
    std::multiset<const TRegion*> yielded(found.begin(), found.end());
    std::multiset<const TRegion*> expected;
    for (const TRegion* region : *report.Regions) {
        if (region->CZ == report.ActiveLayer
            && TileRect(region->CX, region->CY, layout).Intersects(rect))
            expected.insert(region);
    }
    ASSERT_EQ(yielded, expected) << "rect " << rect.Left << "," << rect.Top << " - " << rect.Right
                                 << "," << rect.Bottom;
}

} // namespace

TEST(TBSPTree, RootSpansAllTilesAndListsThem)
{
    TBSPTree root(EntriesAt({ { 0, 0 }, { -32, 48 }, { 96, -48 } }));
    EXPECT_EQ(root.Bounds(), (MapRect { -32, -48, 160, 112 }));
    EXPECT_EQ(root.NodeRegions().size(), 3u);
    EXPECT_FALSE(root.IsSplit());
    EXPECT_EQ(root.First(), nullptr);

    TBSPTree empty(std::vector<BSPEntry> {});
    EXPECT_TRUE(empty.Bounds().Empty());
    empty.Subdivide(TBSPTree::kSplitThreshold);
    EXPECT_FALSE(empty.IsSplit());

    // A node takes the entries whose tile meets its bounds.
    TBSPTree node(root.NodeRegions(), { 0, 0, 32, 64 });
    EXPECT_EQ(node.NodeRegions().size(), 2u);
}

TEST(TBSPTree, SplitCutsNearTheRoundedMeanAndTakesTheBestBalance)
{
    // Mean 15.5: 47.5 rounds to 48, whose low bits cleared give 48, less 16.
    TBSPTree halves(EntriesAt({ { -64, 0 }, { -64, 0 }, { -64, 0 }, { -64, 0 }, { -64, 0 },
        { 95, 0 }, { 95, 0 }, { 95, 0 }, { 95, 0 }, { 95, 0 } }));
    halves.Split();
    ASSERT_TRUE(halves.IsSplit());
    EXPECT_EQ(halves.First()->Bounds(), (MapRect { -64, 0, 32, 64 }));
    EXPECT_EQ(halves.Second()->Bounds(), (MapRect { 32, 0, 159, 64 }));
    EXPECT_EQ(halves.First()->NodeRegions().size(), 5u);
    EXPECT_EQ(halves.Second()->NodeRegions().size(), 5u);

    // A row of 30 tiles: the first cut 944 cuts tile 14 (balance 1); 960
    // separates 15 and 15 (balance 0).
    std::vector<MapPoint> row;
    for (int i = 0; i < 30; ++i)
        row.push_back({ 64 * i, 0 });
    TBSPTree rowTree(EntriesAt(row));
    rowTree.Split();
    ASSERT_TRUE(rowTree.IsSplit());
    EXPECT_EQ(rowTree.First()->Bounds().Right, 960);
    EXPECT_EQ(rowTree.First()->NodeRegions().size(), 15u);
    EXPECT_EQ(rowTree.Second()->NodeRegions().size(), 15u);

    // Taller than wide: cut by y. All five positions balance 1 (one tile
    // crosses each), so the first one, 704, stays.
    std::vector<MapPoint> column;
    for (int i = 0; i < 30; ++i)
        column.push_back({ 0, 48 * i });
    TBSPTree columnTree(EntriesAt(column));
    columnTree.Split();
    ASSERT_TRUE(columnTree.IsSplit());
    EXPECT_EQ(columnTree.First()->Bounds(), (MapRect { 0, 0, 64, 704 }));
    EXPECT_EQ(columnTree.Second()->Bounds(), (MapRect { 0, 704, 64, 48 * 29 + 64 }));
    EXPECT_EQ(columnTree.First()->NodeRegions().size(), 15u);
    EXPECT_EQ(columnTree.Second()->NodeRegions().size(), 16u);
}

TEST(TBSPTree, FirstCutIsRaisedToTheNodeEdge)
{
    // Mean 92 gives 96, left of the node's edge at 100: the empty first
    // child balances worst, so the next position 116 wins.
    std::vector<MapPoint> tiles(8, MapPoint { 40, 0 });
    tiles.push_back({ 300, 0 });
    tiles.push_back({ 300, 0 });
    const std::vector<BSPEntry> parent = EntriesAt(tiles);
    TBSPTree node(parent, { 100, 0, 400, 64 });
    ASSERT_EQ(node.NodeRegions().size(), 10u);
    node.Split();
    ASSERT_TRUE(node.IsSplit());
    EXPECT_EQ(node.First()->Bounds(), (MapRect { 100, 0, 116, 64 }));
    EXPECT_EQ(node.First()->NodeRegions().size(), 8u);
    EXPECT_EQ(node.Second()->NodeRegions().size(), 2u);
}

TEST(TBSPTree, KeepsALeafWhenNoCutSeparates)
{
    // Fewer than nine regions are never split.
    TBSPTree few(EntriesAt({ { 0, 0 }, { 640, 0 }, { 1280, 0 }, { 1920, 0 } }));
    few.Split();
    EXPECT_FALSE(few.IsSplit());

    // All in one place: every cut leaves all regions in one child.
    TBSPTree stacked(EntriesAt(std::vector<MapPoint>(500, MapPoint { -7000, 3000 })));
    stacked.Subdivide(TBSPTree::kSplitThreshold);
    EXPECT_FALSE(stacked.IsSplit());
    EXPECT_EQ(stacked.NodeRegions().size(), 500u);

    // A stack among other regions ends in one leaf; the rest is split up.
    TestWorld world;
    std::mt19937 random(7);
    AddRandomRegions(world, random, 400, 20, true);
    std::vector<TRegion*> stack;
    for (int i = 0; i < 60; ++i)
        stack.push_back(&world.AddRegion(3, -4));
    auto tree = BuildBSPTree(*world.Report().Regions, 0, MapLayout::XAxisWestEast);
    for (const TBSPTree* leaf : Leaves(*tree)) {
        if (leaf->NodeRegions().size() <= TBSPTree::kSplitThreshold)
            continue;
        const auto inStack = std::count_if(
            leaf->NodeRegions().begin(), leaf->NodeRegions().end(), [&](const BSPEntry& e) {
                return std::find(stack.begin(), stack.end(), e.Region) != stack.end();
            });
        EXPECT_EQ(inStack, 60);
    }
}

TEST(TBSPTree, ChildrenDivideTheirParentAndListWhatMeetsThem)
{
    TestWorld world;
    std::mt19937 random(11);
    AddRandomRegions(world, random, 3000, 60, false);
    auto tree = BuildBSPTree(*world.Report().Regions, 0, MapLayout::YAxisNorthSouth);
    int splits = 0;
    ForEachNode(*tree, [&](const TBSPTree& node) {
        if (!node.IsSplit())
            return;
        ++splits;
        const MapRect& a = node.First()->Bounds();
        const MapRect& b = node.Second()->Bounds();
        const MapRect& p = node.Bounds();
        const bool byX = a.Right != p.Right;
        if (byX)
            EXPECT_TRUE(a.Left == p.Left && a.Right == b.Left && b.Right == p.Right
                && a.Top == p.Top && b.Top == p.Top && a.Bottom == p.Bottom
                && b.Bottom == p.Bottom);
        else
            EXPECT_TRUE(a.Top == p.Top && a.Bottom == b.Top && b.Bottom == p.Bottom
                && a.Left == p.Left && b.Left == p.Left && a.Right == p.Right
                && b.Right == p.Right);
        for (const TBSPTree* child : { node.First(), node.Second() }) {
            size_t meeting = 0;
            for (const BSPEntry& entry : node.NodeRegions())
                meeting += entry.TileBounds().Intersects(child->Bounds()) ? 1 : 0;
            EXPECT_EQ(child->NodeRegions().size(), meeting);
            EXPECT_LT(child->NodeRegions().size(), node.NodeRegions().size());
        }
    });
    EXPECT_GT(splits, 50);
}

TEST(TBSPTree, RelationOfBoundsToAClipArea)
{
    TBSPTree node(EntriesAt({ { 100, 200 } }));
    // Bounds 100..164 x 200..264, seen from a view at (90, 180): 10..74 x 20..84.
    EXPECT_EQ(node.Relation({ 0, 0, 100, 100 }, 90, 180), BSPRelation::Inside);
    EXPECT_EQ(node.Relation({ 10, 20, 74, 84 }, 90, 180), BSPRelation::Inside);
    EXPECT_EQ(node.Relation({ 11, 20, 74, 84 }, 90, 180), BSPRelation::Partial);
    EXPECT_EQ(node.Relation({ 74, 0, 200, 200 }, 90, 180), BSPRelation::Outside);
    EXPECT_EQ(node.Relation({ 0, 0, 10, 20 }, 90, 180), BSPRelation::Outside);
    EXPECT_EQ(node.Relation({ 0, 0, 0, 0 }, 90, 180), BSPRelation::Outside);
}

TEST(RegionsMeeting, YieldsEveryRegionMeetingARectangleExactlyOnce)
{
    for (unsigned seed : { 1u, 2u, 3u, 4u, 5u, 6u }) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        TestWorld world;
        // Dense and sparse worlds, some with regions at equal coordinates.
        AddRandomRegions(
            world, random, seed % 2 == 0 ? 2500 : 600, seed < 4 ? 25 : 400, seed % 3 != 0);
        const MapLayout layout
            = seed % 2 == 0 ? MapLayout::XAxisWestEast : MapLayout::YAxisNorthSouth;
        auto tree = BuildBSPTree(*world.Report().Regions, 0, layout);
        for (int i = 0; i < 300; ++i)
            ExpectExactlyTheRegionsMeeting(
                world.Report(), *tree, RandomRect(random, tree->Bounds()), layout);
        ExpectExactlyTheRegionsMeeting(world.Report(), *tree, tree->Bounds(), layout);
        ExpectExactlyTheRegionsMeeting(
            world.Report(), *tree, { -1LL << 50, -1LL << 50, 1LL << 50, 1LL << 50 }, layout);
    }
}

TEST(RegionsMeeting, LeavesHoldAtMost24RegionsOfDistinctPlaces)
{
    for (unsigned seed : { 21u, 22u, 23u, 24u }) {
        std::mt19937 random(seed);
        TestWorld world;
        AddRandomRegions(world, random, 5000, seed % 2 == 0 ? 40 : 1000, true);
        for (MapLayout layout : { MapLayout::XAxisWestEast, MapLayout::YAxisNorthSouth }) {
            auto tree = BuildBSPTree(*world.Report().Regions, 0, layout);
            for (const TBSPTree* leaf : Leaves(*tree))
                EXPECT_LE(leaf->NodeRegions().size(), TBSPTree::kSplitThreshold);
        }
    }
}

TEST(RegionsMeeting, FarApartRegionsAndAnEmptyLayer)
{
    TestWorld world;
    TRegion& east = world.AddRegion(30000, 0);
    TRegion& west = world.AddRegion(-30000, 0);
    for (int i = 0; i < 40; ++i)
        world.AddRegion(i % 7, i / 7);
    auto tree = BuildBSPTree(*world.Report().Regions, 0, MapLayout::XAxisWestEast);
    std::vector<TRegion*> found;
    RegionsMeeting(*tree, TileRect(30000, 0, MapLayout::XAxisWestEast), found);
    EXPECT_EQ(found, std::vector<TRegion*> { &east });
    found.clear();
    RegionsMeeting(*tree, { -1'920'000, 0, -1'919'999, 1 }, found);
    EXPECT_EQ(found, std::vector<TRegion*> { &west });

    auto empty = BuildBSPTree(*world.Report().Regions, 5, MapLayout::XAxisWestEast);
    found.clear();
    RegionsMeeting(*empty, { -1000, -1000, 1000, 1000 }, found);
    EXPECT_TRUE(found.empty());
    EXPECT_TRUE(empty->NodeRegions().empty());
}

TEST(TReportIndex, BuildsTheDrawingIndexOverTheActiveLayer)
{
    TestWorld world;
    TReport& report = world.Report();
    TRegion& a = world.AddRegion(0, 0, 0);
    world.AddRegion(0, 0, 1);
    TRegion& c = world.AddRegion(1, 0, 0);
    report.SetIndexed(true);
    EXPECT_FALSE(world.Map().HasBSPTree());
    std::vector<TRegion*> listed;
    for (const BSPEntry& entry : world.Map().BSPTree().NodeRegions())
        listed.push_back(entry.Region);
    EXPECT_EQ(listed, (std::vector<TRegion*> { &a, &c }));
    EXPECT_EQ(world.Map().BSPTree().Bounds(), (MapRect { 0, 0, 128, 64 }));

    report.SetIndexed(false);
    EXPECT_FALSE(world.Map().HasBSPTree());
    world.Map().SetTileLayout(MapLayout::YAxisNorthSouth);
    EXPECT_EQ(report.FindRegion(1, 0, 0), &c);
    EXPECT_EQ(world.Map().BSPTree().Bounds(), (MapRect { 0, -32, 112, 64 }));
}
