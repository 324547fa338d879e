// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/error.h"
#include "map/test_world.h"
#include "tools/route/route.h"
#include "tools/route/route_optimiser.h"
#include "tools/route/way_point_routes.h"

namespace maprune {
namespace {

using maptest::MakeTerrain;

// Regions on the row y = 0 (x = 0 .. n−1, each step east is direction 3)
// and wherever a test adds them.
class RouteWorld {
public:
    TRegion& Land(int x, int y = 0, bool street = false)
    {
        TRegion& region = FWorld.AddRegion(x, y, 0, &FLand);
        region.Terrain = "Ebene";
        region.Name = "L" + std::to_string(x) + std::to_string(y);
        if (street)
            region.Street->AddValue(1, 100);
        return region;
    }
    TRegion& Ocean(int x, int y = 0)
    {
        TRegion& region = FWorld.AddRegion(x, y, 0, &FWater);
        region.Terrain = "Ozean";
        return region;
    }
    TReport& Report() { return FWorld.Report(); }

private:
    GameRecord FLand = MakeTerrain(100, false);
    GameRecord FWater = MakeTerrain(0, true);
    maptest::TestWorld FWorld;
};

TEST(Route, EdgeCasesOfTheSearch)
{
    RouteWorld world;
    TRegion& a = world.Land(0, 0, true);
    TRegion& b = world.Land(1, 0, true);
    TRegion& c = world.Land(2, 0, true);
    TRegion& d = world.Land(3, 0, true);
    TRegion& e = world.Land(4, 0);
    TRegion& coast = world.Land(0, 2);
    world.Ocean(1, 2);
    world.Ocean(2, 2);
    world.Ocean(3, 2);
    TRegion& harbour = world.Land(4, 2);

    TRoute same(world.Report(), {}, 2, 1, false, &a, &a);
    EXPECT_EQ(same.Path(), "");
    EXPECT_EQ(same.Turns(), 0);
    EXPECT_EQ(same.Text(true), "");

    // Three street steps cost 3 × 420; the step off the street 840.
    TRoute street(world.Report(), {}, 2, 1, false, &d, &a);
    EXPECT_EQ(street.Cost(), 1260);
    EXPECT_EQ(street.Turns(), 2);
    EXPECT_EQ(street.Text(true), "O O O");
    EXPECT_EQ(street.Text(false), "     ");
    EXPECT_EQ(TRoute(world.Report(), {}, 2, 1, false, &e, &a).Cost(), 2100);

    // Street speed 0: over the sea and one step onto the target's coast.
    TRoute ship(world.Report(), {}, 0, 1, true, &harbour, &coast);
    EXPECT_EQ(ship.Path(), "DDDD");
    EXPECT_EQ(ship.Turns(), 4);
    TRoute byLand(world.Report(), {}, 0, 1, true, &c, &a);
    EXPECT_THROW(byLand.Turns(), Error);
    // A land route never enters the sea.
    EXPECT_THROW(TRoute(world.Report(), {}, 2, 1, false, &harbour, &coast).Turns(), Error);

    TRoute avoided(world.Report(), { &c }, 2, 1, false, &d, &a);
    try {
        avoided.Turns();
        FAIL() << "an avoided region was entered";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(),
            "Could not determine route from \"Ebene von L00 (0,0)\" to \"Ebene von L30 (3,0)\"...");
    }
    TRoute target(world.Report(), { &b }, 2, 1, false, &b, &a);
    EXPECT_THROW(target.Path(), Error);
}

TEST(Route, SpeedsOutOfRange)
{
    RouteWorld world;
    TRegion& a = world.Land(0);
    const struct {
        int StreetSpeed;
        int Speed;
        bool Ship;
        const char* Message;
    } cases[] = {
        { 2, 0, false, "TRoute.Create: ASpeed1 (0) is out of range (1 to 8)" },
        { 2, 9, true, "TRoute.Create: ASpeed1 (9) is out of range (1 to 8)" },
        { 0, 1, false, "TRoute.Create: ASpeed2 (0) is out of range (1 to 8)" },
        { 9, 1, false, "TRoute.Create: ASpeed2 (9) is out of range (1 to 8)" },
    };
    for (const auto& c : cases) {
        try {
            TRoute(world.Report(), {}, c.StreetSpeed, c.Speed, c.Ship, &a, &a);
            ADD_FAILURE() << c.Message;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.Message);
        }
    }
    EXPECT_NO_THROW(TRoute(world.Report(), {}, 0, 8, true, &a, &a).Turns());
}

TEST(Route, OptimisingKeepsFixedPointsAndTheFirstCheapestOrder)
{
    RouteWorld world;
    std::vector<TRegion*> row;
    for (int x = -3; x <= 10; ++x)
        row.push_back(&world.Land(x));
    const auto at = [&](int x) { return row[static_cast<size_t>(x + 3)]; };
    const RouteGraph graph(world.Report());

    // F1 a F2 b c F3: a stays between F1 and F2, b and c swap.
    const std::vector<WayPoint> points { { at(0), false }, { at(5), true }, { at(2), false },
        { at(8), true }, { at(4), true }, { at(10), false } };
    EXPECT_EQ(OptimiseWayPoints(graph, points, {}, 2, 1),
        (std::vector<TRegion*> { at(0), at(5), at(2), at(4), at(8), at(10) }));

    // Both orders cost 8 turns: k = 0, the reverse order, wins.
    const std::vector<WayPoint> tie { { at(0), false }, { at(2), true }, { at(-2), true },
        { at(0), false } };
    EXPECT_EQ(OptimiseWayPoints(graph, tie, {}, 2, 1),
        (std::vector<TRegion*> { at(0), at(-2), at(2), at(0) }));

    EXPECT_THROW(OptimiseWayPoints(graph, { { at(0), true }, { at(1), true }, { at(2), false } },
                     {}, 2, 1),
        Error);
}

TEST(Route, WhenOptimisingIsPossible)
{
    const auto points = [](std::string pattern) {
        std::vector<WayPoint> list;
        for (char c : pattern)
            list.push_back({ nullptr, c == 'x' });
        return list;
    };
    const struct {
        const char* Pattern;
        bool Possible;
    } cases[] = { { "", false }, { "--", false }, { "-x-", false }, { "-xx-", true },
        { "-x-xx-", true }, { "x-xx-", false }, { "-xx-x", false }, { "-xxxxxxxxxx-", true },
        { "-xxxxxxxxxxx-", false } };
    for (const auto& c : cases)
        EXPECT_EQ(CanOptimise(points(c.Pattern)), c.Possible) << c.Pattern;
}

TEST(Route, LegsCopyTextAndMarks)
{
    RouteWorld world;
    TRegion& a = world.Land(0);
    TRegion& b = world.Land(1);
    TRegion& c = world.Land(2);
    TRegion& up = world.Land(1, 1);
    const RouteGraph graph(world.Report());
    RoutePlanOptions options;
    const std::vector<RouteLeg> legs = RouteLegs(graph, { &a, &c, &up }, options);
    ASSERT_EQ(legs.size(), 2u);
    EXPECT_EQ(legs[1].Turns, 1);
    EXPECT_EQ(RouteCopyText(legs), "O O P NW");

    // Only pairs of selected way points are drawn.
    EXPECT_EQ(MarkRoutes(graph, { { &a, true }, { &c, true }, { &up, false } }, options), "");
    EXPECT_EQ(a.RouteMarks, (std::array<uint8_t, 6> { 0, 0, 0, 1, 0, 0 }));
    EXPECT_EQ(b.RouteMarks, (std::array<uint8_t, 6> { 1, 0, 0, 1, 0, 0 }));
    EXPECT_EQ(c.RouteMarks, (std::array<uint8_t, 6> { 1, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(up.RouteMarks, (std::array<uint8_t, 6> {}));
    options.Avoid = { &b, &up };
    EXPECT_NE(MarkRoutes(graph, { { &a, true }, { &c, true } }, options), "");
    EXPECT_EQ(a.RouteMarks, (std::array<uint8_t, 6> {}));
}

} // namespace
} // namespace maprune
