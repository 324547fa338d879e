// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "report/report_building.h"
#include "report/shift.h"

using namespace maprune;
using namespace maprune::test;

TEST(Shift, PacksDxIntoTheUpperAndDyIntoTheLowerHalf)
{
    EXPECT_EQ(PackShift(Shift{3, -2}), 0x0003FFFEu);
    EXPECT_EQ(PackShift(Shift{-1, 0}), 0xFFFF0000u);
    for (const Shift s : {Shift{0, 0}, Shift{-32768, 32767}, Shift{32767, -32768}, Shift{-5, 7}})
        EXPECT_EQ(UnpackShift(PackShift(s)), s);
}

TEST(Shift, DifferencesBeyondSixteenBitsAreNoShift)
{
    EXPECT_EQ(MakeShift(32767, -32768), (Shift{32767, -32768}));
    EXPECT_FALSE(MakeShift(32768, 0));
    EXPECT_FALSE(MakeShift(0, -32769));
    EXPECT_FALSE(MakeShift(int64_t{1} << 40, 0));
}

TEST(Shift, ShiftLayerMovesOnlyThatLayerAndDropsTheIndex)
{
    TestTerrains terrains;
    auto report = NewReport(5);
    TRegion& a = AddRegion(*report, 1, 1, 0);
    TRegion& b = AddRegion(*report, 1, 1, 1);
    report->SetIndexed(true);
    ShiftLayer(*report, 1, Shift{4, -3});
    EXPECT_FALSE(report->Indexed());
    EXPECT_EQ(std::make_pair(a.CX, a.CY), std::make_pair(1, 1));
    EXPECT_EQ(std::make_pair(b.CX, b.CY), std::make_pair(5, -2));
    EXPECT_EQ(report->FindRegion(5, -2, 1), &b);
}

TEST(Shift, CoordinatesWrapInsteadOfOverflowing)
{
    TestTerrains terrains;
    auto report = NewReport(5);
    TRegion& a = AddRegion(*report, 2147483647, -2147483647 - 1, 0);
    ShiftLayer(*report, 0, Shift{1, -1});
    EXPECT_EQ(a.CX, -2147483647 - 1);
    EXPECT_EQ(a.CY, 2147483647);
}

TEST(SetOrigin, TheSelectedRegionBecomesZeroOfItsLayer)
{
    TestTerrains terrains;
    auto report = NewReport(5);
    TRegion& chosen = AddRegion(*report, 12, -7, 0);
    TRegion& other = AddRegion(*report, 13, -7, 0);
    TRegion& elsewhere = AddRegion(*report, 12, -7, 1);
    report->ActiveLayer = 0;
    chosen.SetTag(TagSelected);

    const auto preset = OriginPreset(*report);
    ASSERT_TRUE(preset);
    SetOrigin(*report, preset->first, preset->second);
    EXPECT_EQ(std::make_pair(chosen.CX, chosen.CY), std::make_pair(0, 0));
    EXPECT_EQ(std::make_pair(other.CX, other.CY), std::make_pair(1, 0));
    EXPECT_EQ(std::make_pair(elsewhere.CX, elsewhere.CY), std::make_pair(12, -7));
    EXPECT_EQ(report->FindRegion(0, 0, 0), &chosen);

    SetOrigin(*report, 0, 0);
    EXPECT_EQ(std::make_pair(chosen.CX, chosen.CY), std::make_pair(0, 0));
}

TEST(SetOrigin, PresetsOnlyFromExactlyOneSelectedRegion)
{
    TestTerrains terrains;
    auto report = NewReport(5);
    TRegion& a = AddRegion(*report, 1, 2, 0);
    TRegion& b = AddRegion(*report, 3, 4, 1);
    EXPECT_FALSE(OriginPreset(*report));
    b.SetTag(TagSelected | TagNeedsRedraw);
    EXPECT_EQ(OriginPreset(*report), std::make_pair(3, 4));
    a.SetTag(TagSelected);
    EXPECT_FALSE(OriginPreset(*report));
}
