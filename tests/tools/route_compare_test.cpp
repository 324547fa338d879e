// SPDX-License-Identifier: GPL-3.0-or-later
// The fast searches against the literal ones on a few hundred small random
// worlds: the same steps and turns for every pair tried, the same optimised
// way-point lists and, in ship mode, the same turns from one search to all
// targets as from one search per target.
#include <gtest/gtest.h>

#include "tools/literal_route.h"
#include "tools/random_world.h"
#include "tools/route/route.h"
#include "tools/route/route_legs.h"
#include "tools/route/route_optimiser.h"

namespace maprune {
namespace {

struct Mode {
    int StreetSpeed;
    int Speed;
    bool Ship;
};

constexpr Mode kModes[] = { { 2, 1, false }, { 3, 2, false }, { 8, 1, false }, { 5, 3, false },
    { 0, 1, true }, { 0, 4, true } };

std::vector<TRegion*> RandomAvoid(test::RandomWorld& world)
{
    std::vector<TRegion*> avoid;
    const int count = world.Between(0, 4);
    for (int i = 0; i < count; ++i)
        avoid.push_back(world.AnyRegion());
    return avoid;
}

TEST(RouteCompare, FastSearchGivesTheLiteralPathsAndTurns)
{
    int compared = 0;
    for (uint32_t seed = 1; seed <= 240; ++seed) {
        test::RandomWorld world(seed, 4 + static_cast<int>(seed % 6));
        if (world.Count() < 2)
            continue;
        const RouteGraph graph(world.Report());
        const Mode mode = kModes[seed % std::size(kModes)];
        const std::vector<TRegion*> avoid = RandomAvoid(world);
        for (int pair = 0; pair < 6; ++pair) {
            TRegion* from = world.AnyRegion();
            TRegion* to = world.AnyRegion();
            const literal::Route expected = literal::SearchRoute(
                world.Report(), avoid, mode.StreetSpeed, mode.Speed, mode.Ship, to, from);
            TRoute route(graph, avoid, mode.StreetSpeed, mode.Speed, mode.Ship, to, from);
            SCOPED_TRACE("seed " + std::to_string(seed) + " pair " + std::to_string(pair));
            if (expected.Failed) {
                EXPECT_THROW(route.Turns(), Error);
                continue;
            }
            EXPECT_EQ(route.Path(), expected.Path);
            EXPECT_EQ(route.Cost(), expected.Cost);
            EXPECT_EQ(route.Turns(), expected.Turns());
            ++compared;
        }
    }
    EXPECT_GT(compared, 500);
}

TEST(RouteCompare, OneSearchPerStartGivesEveryTargetsTurns)
{
    for (uint32_t seed = 300; seed < 420; ++seed) {
        test::RandomWorld world(seed, 4 + static_cast<int>(seed % 4));
        const RouteGraph graph(world.Report());
        const Mode mode = kModes[seed % std::size(kModes)];
        const std::vector<TRegion*> avoid = RandomAvoid(world);
        std::vector<int32_t> avoided;
        for (TRegion* region : avoid)
            avoided.push_back(graph.IndexOf(region));
        RouteSearch search(graph);
        search.SetAvoided(avoided);
        TRegion* from = world.AnyRegion();
        search.Run(graph.IndexOf(from), { mode.Speed, mode.StreetSpeed, mode.Ship },
            RouteGraph::kNone);
        for (int32_t to = 0; to < graph.Count(); ++to) {
            const literal::Route expected = literal::SearchRoute(world.Report(), avoid,
                mode.StreetSpeed, mode.Speed, mode.Ship, graph.Region(to), from);
            SCOPED_TRACE("seed " + std::to_string(seed) + " target " + std::to_string(to));
            EXPECT_EQ(search.TargetDistance(to) >= kUnreachableCost, expected.Failed);
            if (!expected.Failed) {
                EXPECT_EQ(TurnsOfCost(search.TargetDistance(to)), expected.Turns());
            }
        }
    }
}

TEST(RouteCompare, OptimiserGivesTheLiteralOrder)
{
    int optimised = 0;
    for (uint32_t seed = 500; seed < 650; ++seed) {
        test::RandomWorld world(seed, 5 + static_cast<int>(seed % 3));
        const RouteGraph graph(world.Report());
        const Mode mode = kModes[seed % std::size(kModes)];
        const std::vector<TRegion*> avoid = seed % 3 == 0 ? RandomAvoid(world) : std::vector<TRegion*> {};
        // Way points among the regions that a start has routes to,
        // so that most runs can be reordered.
        TRegion* start = world.AnyRegion();
        std::vector<TRegion*> reachable;
        for (size_t i = 0; i < world.Count(); ++i) {
            TRegion* region = world.Region(i);
            if (!literal::SearchRoute(world.Report(), avoid, mode.StreetSpeed, mode.Speed, mode.Ship,
                    region, start).Failed)
                reachable.push_back(region);
        }
        std::vector<WayPoint> points;
        std::vector<std::pair<TRegion*, bool>> literalPoints;
        const int count = world.Between(4, 8);
        for (int i = 0; i < count; ++i) {
            const bool selected = i > 0 && i < count - 1 && world.Percent() < 75;
            TRegion* region = reachable[static_cast<size_t>(
                world.Between(0, static_cast<int>(reachable.size()) - 1))];
            points.push_back({ region, selected });
            literalPoints.emplace_back(region, selected);
        }
        if (!CanOptimise(points))
            continue;
        const std::vector<TRegion*> expected
            = literal::Optimise(world.Report(), literalPoints, avoid, mode.StreetSpeed, mode.Speed);
        SCOPED_TRACE("seed " + std::to_string(seed));
        if (expected.empty()) {
            EXPECT_THROW(OptimiseWayPoints(graph, points, avoid, mode.StreetSpeed, mode.Speed), Error);
            continue;
        }
        EXPECT_EQ(OptimiseWayPoints(graph, points, avoid, mode.StreetSpeed, mode.Speed), expected);
        ++optimised;
    }
    EXPECT_GT(optimised, 50);
}

} // namespace
} // namespace maprune
