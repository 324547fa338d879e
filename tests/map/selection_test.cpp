// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "map/selection.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::MakeTerrain;
using maprune::maptest::TestWorld;

namespace {

using Coordinates = std::set<std::pair<int, int>>;

class SelectionTest : public ::testing::Test {
protected:
    SelectionTest()
    {
        Report().SelectionChanged = [this](TRegion&) { ++FNotified; };
    }

    TReport& Report() { return FWorld.Report(); }

    // Row y of `rows` holds the regions (x, y) of layer z: 'L' land, 'W'
    // water, '?' unknown terrain, anything else none.
    void AddGrid(const std::vector<std::string>& rows, int z = 0)
    {
        for (size_t y = 0; y < rows.size(); ++y) {
            for (size_t x = 0; x < rows[y].size(); ++x) {
                const char c = rows[y][x];
                if (c != 'L' && c != 'W' && c != '?')
                    continue;
                const GameRecord* terrain = c == 'L' ? &FLand : c == 'W' ? &FWater : nullptr;
                TRegion& region = FWorld.AddRegion(int(x), int(y), z, terrain);
                if (c == '?')
                    region.Terrain = "Nirgendland";
            }
        }
    }

    TRegion& At(int x, int y, int z = 0) { return *Report().FindRegion(x, y, z); }

    void Select(const Coordinates& cells, int z = 0)
    {
        for (auto [x, y] : cells)
            At(x, y, z).SetTag(At(x, y, z).Tag() | TagSelected);
        FNotified = 0;
    }

    Coordinates Selected(int z = 0)
    {
        Coordinates cells;
        for (const TRegion* region : *Report().Regions) {
            if (region->CZ == z && (region->Tag() & TagSelected) != 0)
                cells.insert({ region->CX, region->CY });
        }
        return cells;
    }

    void ExpectScratchClear()
    {
        for (const TRegion* region : *Report().Regions)
            EXPECT_EQ(region->Tag() & TagScratch, 0) << region->CX << "," << region->CY;
    }

    int Notified() const { return FNotified; }

    TestWorld FWorld;
    GameRecord FLand = MakeTerrain(1000, false);
    GameRecord FWater = MakeTerrain(0, true);

private:
    int FNotified = 0;
};

} // namespace

TEST_F(SelectionTest, ClearWithShiftReachesEveryLayer)
{
    AddGrid({ "LLL" }, 0);
    AddGrid({ "LL" }, 1);
    Select({ { 0, 0 }, { 2, 0 } }, 0);
    Select({ { 1, 0 } }, 1);
    EXPECT_EQ(SetSelection(Report(), SelectionMode::Clear, false), (SelectionOutcome { 2, true }));
    EXPECT_EQ(Selected(1), (Coordinates { { 1, 0 } }));
    EXPECT_EQ(Notified(), 2);
    EXPECT_EQ(SetSelection(Report(), SelectionMode::Clear, true), (SelectionOutcome { 1, true }));
    EXPECT_TRUE(Selected(1).empty());
}

TEST_F(SelectionTest, InvertTwiceRestoresAndCountsEveryRegionTwice)
{
    AddGrid({ "LLL", "WW" }, 0);
    AddGrid({ "L" }, 1);
    Select({ { 1, 0 } });
    const SelectionOutcome first = SetSelection(Report(), SelectionMode::Invert, false);
    EXPECT_EQ(Selected(), (Coordinates { { 0, 0 }, { 2, 0 }, { 0, 1 }, { 1, 1 } }));
    const SelectionOutcome second = SetSelection(Report(), SelectionMode::Invert, false);
    EXPECT_EQ(first.Changes + second.Changes, 10);
    EXPECT_EQ(Notified(), 10);
    EXPECT_EQ(Selected(), (Coordinates { { 1, 0 } }));
    EXPECT_TRUE(Selected(1).empty());
    EXPECT_EQ(SetSelection(Report(), SelectionMode::Invert, true).Changes, 6);
}

TEST_F(SelectionTest, SetChangesOnlyWhatDiffers)
{
    AddGrid({ "LLL" });
    Select({ { 0, 0 } });
    EXPECT_EQ(SetSelection(Report(), SelectionMode::Set, false), (SelectionOutcome { 2, true }));
    EXPECT_EQ(Selected().size(), 3u);
    // Nothing to change: no refresh, no notification (Modified stays).
    EXPECT_EQ(SetSelection(Report(), SelectionMode::Set, false), (SelectionOutcome { 0, false }));
    EXPECT_EQ(Notified(), 2);
    TestWorld empty;
    EXPECT_EQ(
        SetSelection(empty.Report(), SelectionMode::Set, true), (SelectionOutcome { 0, false }));
}

TEST_F(SelectionTest, FillSelectsTheCoordinateRectangleOnAllLayers)
{
    AddGrid({ "LLLLL", "LLLLL", "LLLLL", "LLLLL", "LLLLL" }, 0);
    AddGrid({ "LLLLL", "LLLLL", "LLLLL", "LLLLL", "LLLLL" }, 1);
    Select({ { 0, 0 } });
    Select({ { 2, 3 } }, 1);
    const SelectionOutcome outcome = FillSelection(Report());
    EXPECT_EQ(outcome, (SelectionOutcome { 22, true }));
    Coordinates rectangle;
    for (int x = 0; x <= 2; ++x) {
        for (int y = 0; y <= 3; ++y)
            rectangle.insert({ x, y });
    }
    EXPECT_EQ(Selected(0), rectangle);
    EXPECT_EQ(Selected(1), rectangle);
}

TEST_F(SelectionTest, FillWithoutSelectionSelectsNothing)
{
    AddGrid({ "LLL" });
    EXPECT_EQ(FillSelection(Report()), (SelectionOutcome { 0, true }));
    EXPECT_TRUE(Selected().empty());
}

TEST_F(SelectionTest, FillBoundsHoldForFarCoordinates)
{
    TRegion& far = FWorld.AddRegion(1'500'000'000, -1'500'000'000);
    TRegion& between = FWorld.AddRegion(1'200'000'000, -1'200'000'000);
    TRegion& near = FWorld.AddRegion(0, 0);
    far.SetTag(TagSelected);
    EXPECT_EQ(FillSelection(Report()).Changes, 0);
    EXPECT_EQ(between.Tag() & TagSelected, 0);
    EXPECT_EQ(near.Tag() & TagSelected, 0);
}

namespace {

// Islands A (1,1) (2,1) (1,2) and B (4,1) (5,1) touch the water (3,1);
// island C (6,3) does not. '?' at (0,4) is land of unknown terrain next to
// nothing selected.
const std::vector<std::string> kIslands = {
    "WWWWWWW",
    "WLLWLLW",
    "WLWWWWW",
    "WWWWWWL",
    "?WWWWWW",
};

} // namespace

TEST_F(SelectionTest, SelectIslandsFillsTheLandMassOfASelectedRegion)
{
    AddGrid(kIslands);
    AddGrid({ "LL" }, 1);
    Select({ { 1, 0 } }, 1);
    Select({ { 2, 1 } });
    const SelectionOutcome outcome = SelectIslands(Report());
    EXPECT_EQ(Selected(), (Coordinates { { 1, 1 }, { 2, 1 }, { 1, 2 } }));
    EXPECT_TRUE(outcome.Refresh);
    EXPECT_GT(outcome.Changes, 0);
    EXPECT_EQ(Notified(), outcome.Changes);
    EXPECT_EQ(Selected(1), (Coordinates { { 1, 0 } }));
    ExpectScratchClear();
}

TEST_F(SelectionTest, SelectIslandsFromWaterTakesEveryTouchingIsland)
{
    AddGrid(kIslands);
    Select({ { 3, 1 } });
    SelectIslands(Report());
    EXPECT_EQ(
        Selected(), (Coordinates { { 3, 1 }, { 1, 1 }, { 2, 1 }, { 1, 2 }, { 4, 1 }, { 5, 1 } }));
    ExpectScratchClear();
}

TEST_F(SelectionTest, SelectIslandsSpreadsOverUnknownTerrainAsLand)
{
    AddGrid({ "L?L", "WWW" });
    Select({ { 0, 0 } });
    SelectIslands(Report());
    EXPECT_EQ(Selected(), (Coordinates { { 0, 0 }, { 1, 0 }, { 2, 0 } }));
}

TEST_F(SelectionTest, SelectIslandsWithoutSelectionChangesNothing)
{
    AddGrid(kIslands);
    EXPECT_EQ(SelectIslands(Report()), (SelectionOutcome { 0, false }));
    TestWorld empty;
    EXPECT_EQ(SelectIslands(empty.Report()), (SelectionOutcome { 0, false }));
}

TEST_F(SelectionTest, ExpandAddsOneRingAcrossLandAndWater)
{
    AddGrid({ "LLLLL", "LWWWL", "LWLWL", "LWWWL", "LLLLL" });
    AddGrid({ "LLL" }, 1);
    Select({ { 2, 2 } });
    const SelectionOutcome outcome = ExpandSelection(Report());
    EXPECT_EQ(Selected(),
        (Coordinates { { 2, 2 }, { 1, 2 }, { 1, 3 }, { 2, 3 }, { 3, 2 }, { 3, 1 }, { 2, 1 } }));
    EXPECT_TRUE(outcome.Refresh);
    EXPECT_TRUE(Selected(1).empty());
    ExpectScratchClear();

    // At the edge of the known map fewer neighbours exist.
    SetSelection(Report(), SelectionMode::Clear, true);
    Select({ { 0, 0 } });
    ExpandSelection(Report());
    EXPECT_EQ(Selected(), (Coordinates { { 0, 0 }, { 0, 1 }, { 1, 0 } }));
    ExpectScratchClear();
}

TEST_F(SelectionTest, ExpandWithoutSelectionStillRefreshes)
{
    AddGrid({ "LL" });
    EXPECT_EQ(ExpandSelection(Report()), (SelectionOutcome { 0, true }));
}

TEST_F(SelectionTest, ContractKeepsRegionsSurroundedBySelection)
{
    AddGrid({ "LLLLL", "LLLLL", "LLLLL", "LLLLL", "LLLLL" });
    const Coordinates ring
        = { { 2, 2 }, { 1, 2 }, { 1, 3 }, { 2, 3 }, { 3, 2 }, { 3, 1 }, { 2, 1 } };
    Select(ring);
    const SelectionOutcome outcome = ContractSelection(Report());
    EXPECT_EQ(Selected(), (Coordinates { { 2, 2 } }));
    EXPECT_TRUE(outcome.Refresh);
    ExpectScratchClear();

    // A single region is cleared.
    ContractSelection(Report());
    EXPECT_TRUE(Selected().empty());
    // Without selection nothing changes.
    EXPECT_EQ(ContractSelection(Report()), (SelectionOutcome { 0, false }));
}

TEST_F(SelectionTest, ContractRemovesRegionsAtTheEdgeOfTheKnownMap)
{
    AddGrid({ "LLL", "LLL", "LLL" });
    AddGrid({ "L" }, 1);
    Select({ { 0, 0 } }, 1);
    SetSelection(Report(), SelectionMode::Set, false);
    ContractSelection(Report());
    // Only (1,1) has all six neighbours, and they were all selected.
    EXPECT_EQ(Selected(), (Coordinates { { 1, 1 } }));
    EXPECT_EQ(Selected(1), (Coordinates { { 0, 0 } }));
}

TEST_F(SelectionTest, ContractJudgesByTheSelectionBeforeTheOperation)
{
    // Two overlapping rings: both centres keep their full ring of selected
    // neighbours although some of those neighbours are removed.
    AddGrid({ "LLLLLL", "LLLLLL", "LLLLLL", "LLLLLL", "LLLLLL" });
    Select({ { 2, 2 }, { 1, 2 }, { 1, 3 }, { 2, 3 }, { 3, 2 }, { 3, 1 }, { 2, 1 }, { 4, 1 },
        { 4, 2 }, { 3, 3 } });
    ContractSelection(Report());
    EXPECT_EQ(Selected(), (Coordinates { { 2, 2 }, { 3, 2 } }));
}
