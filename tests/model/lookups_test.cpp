// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/fast_region_list.h"
#include "model/ni_list.h"
#include "model/report.h"

using namespace maprune;

namespace {

TRegion& AddRegion(TReport& report, int32_t x, int32_t y, int32_t z, std::string name = {})
{
    auto region = CreateEmpty<TRegion>(&report);
    region->CX = x;
    region->CY = y;
    region->CZ = z;
    region->Name = std::move(name);
    TRegion& added = *region;
    report.Regions->Add(std::move(region));
    return added;
}

} // namespace

TEST(FastRegionList, HasFourSlotsPerRegionRoundedUpToAPowerOfTwo)
{
    auto report = CreateEmpty<TReport>(nullptr);
    EXPECT_EQ(TFastRegionList(*report->Regions).Capacity(), 1u);
    for (int i = 0; i < 3; ++i)
        AddRegion(*report, i, 0, 0);
    EXPECT_EQ(TFastRegionList(*report->Regions).Capacity(), 16u);
}

TEST(FastRegionList, FindsRegionsByAllThreeCoordinates)
{
    auto report = CreateEmpty<TReport>(nullptr);
    for (int z = 0; z < 3; ++z) {
        for (int y = -20; y < 20; ++y) {
            for (int x = -20; x < 20; ++x)
                AddRegion(*report, x, y, z);
        }
    }
    TRegion& far = AddRegion(*report, 30000, -30000, 0);
    TRegion& extreme = AddRegion(*report, INT32_MIN, INT32_MAX, -1);
    TFastRegionList index(*report->Regions);
    for (int z = 0; z < 3; ++z) {
        const TRegion* r = index.FindRegion(7, -3, z);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->CX, 7);
        EXPECT_EQ(r->CY, -3);
        EXPECT_EQ(r->CZ, z);
    }
    EXPECT_EQ(index.FindRegion(30000, -30000, 0), &far);
    EXPECT_EQ(index.FindRegion(INT32_MIN, INT32_MAX, -1), &extreme);
    EXPECT_EQ(index.FindRegion(20, 0, 0), nullptr);
    EXPECT_EQ(index.FindRegion(0, 0, 3), nullptr);
}

TEST(FastRegionList, EqualCoordinatesAreAllStoredAndTheFirstIsFound)
{
    auto report = CreateEmpty<TReport>(nullptr);
    AddRegion(*report, 1, 1, 0, "erste");
    AddRegion(*report, 1, 1, 0, "zweite");
    EXPECT_EQ(report->FindRegion(1, 1, 0)->Name, "erste");
    EXPECT_TRUE(report->Indexed());
}

TEST(FastRegionList, LinkingAtTheEdgeOfTheCoordinateRangeDoesNotOverflow)
{
    auto report = CreateEmpty<TReport>(nullptr);
    TRegion& edge = AddRegion(*report, INT32_MAX, INT32_MIN, 0);
    TRegion& wrapped = AddRegion(*report, INT32_MIN, INT32_MIN, 0);
    edge.LinkNeighbours();
    // Stepping east from the largest x wraps to the smallest.
    EXPECT_EQ(edge.Neighbour(3), &wrapped);
}

namespace {

class NIListTest : public ::testing::Test {
protected:
    TUnit& Unit(int32_t nr)
    {
        auto unit = CreateEmpty<TUnit>(report.get());
        unit->Nr = nr;
        TUnit& added = *unit;
        units.push_back(std::move(unit));
        return added;
    }
    std::unique_ptr<TReport> report = CreateEmpty<TReport>(nullptr);
    std::vector<std::unique_ptr<TUnit>> units;
    TNIList list;
};

} // namespace

TEST_F(NIListTest, DoublesItsCapacityOnlyAfterThreeQuartersAreUsed)
{
    auto region = CreateEmpty<TRegion>(report.get());
    for (int32_t nr = 1; nr <= 6144; ++nr)
        ASSERT_TRUE(list.AddEntry(&Unit(nr), region.get()));
    EXPECT_EQ(list.Capacity(), 8192u);
    ASSERT_TRUE(list.AddEntry(&Unit(6145), region.get()));
    EXPECT_EQ(list.Capacity(), 16384u);
    for (int32_t nr = 1; nr <= 6145; ++nr)
        ASSERT_EQ(list.FindItem(nr)->Nr, nr);
    EXPECT_EQ(list.FindValue(6145), region.get());
    EXPECT_EQ(list.FindItem(7000), nullptr);
}

TEST_F(NIListTest, RemovedEntriesAreGoneAndTheirSlotsAreReused)
{
    auto region = CreateEmpty<TRegion>(report.get());
    // 0 and 8192 share a slot, and so does 16384.
    list.AddEntry(&Unit(0), region.get());
    list.AddEntry(&Unit(8192), region.get());
    list.AddEntry(&Unit(1), nullptr);
    const uint32_t used = list.Used();

    list.RemoveEntry(0);
    EXPECT_EQ(list.FindItem(0), nullptr);
    EXPECT_EQ(list.FindValue(0), nullptr);
    EXPECT_EQ(list.FindItem(8192)->Nr, 8192);
    EXPECT_EQ(list.Used(), used);

    list.AddEntry(&Unit(16384), region.get());
    EXPECT_EQ(list.Used(), used);
    EXPECT_EQ(list.Entry(0).Item->Nr, 16384);
    EXPECT_EQ(list.FindItem(16384)->Nr, 16384);
}

TEST_F(NIListTest, DeletedMarkersBeforeAnEmptySlotAreCleared)
{
    list.AddEntry(&Unit(0), nullptr);
    list.AddEntry(&Unit(8192), nullptr);
    list.RemoveEntry(0);
    EXPECT_EQ(list.Used(), 2u);
    // Removing the end of the chain clears it and the marker before it.
    list.RemoveEntry(8192);
    EXPECT_EQ(list.Used(), 0u);
    EXPECT_EQ(list.Entry(0).Item, nullptr);
    list.RemoveEntry(8192);
    EXPECT_EQ(list.Used(), 0u);
}
