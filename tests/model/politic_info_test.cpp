// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/report.h"

using namespace maprune;

namespace {

class PoliticInfoTest : public ::testing::Test {
protected:
    void AddUnit(int32_t party, int32_t count, int32_t weapons, bool guards)
    {
        auto unit = CreateEmpty<TUnit>(report.get());
        unit->Party = party;
        unit->Count->AddValue(region->ReadTurn, count);
        unit->Weapons = weapons;
        unit->Observes = guards ? 1 : 0;
        region->Units->Add(std::move(unit));
    }
    std::vector<std::string> Data(const TPoliticInfo& info) { return info.Data->Lines(); }

    std::unique_ptr<TReport> report = CreateEmpty<TReport>(nullptr);
    std::unique_ptr<TRegion> region = CreateEmpty<TRegion>(report.get());
};

} // namespace

TEST_F(PoliticInfoTest, SumsPersonsArmedAndGuardsOfTheParty)
{
    region->ReadTurn = 5;
    AddUnit(7, 10, 4, true);
    AddUnit(7, 3, 8, false);
    AddUnit(8, 100, 100, true);
    AddUnit(7, -1, 5, true);
    const TPoliticInfo& info = TPoliticInfo::CreateForParty(report.get(), 7, *region);
    EXPECT_EQ(Data(info), (std::vector<std::string>{"-1", "7", "13", "10"}));
    EXPECT_EQ(info.Turn, 5);
    EXPECT_EQ(info.RTurn, 5);
    EXPECT_EQ(info.DataValue(TPoliticInfo::Persons), 13);
    EXPECT_EQ(region->Politic->Count(), 1u);
}

TEST_F(PoliticInfoTest, WithoutPersonsTheNewestEarlierSummaryIsCarriedOver)
{
    region->ReadTurn = 3;
    AddUnit(7, 2, 0, false);
    TPoliticInfo::CreateForParty(report.get(), 7, *region);
    region->Units->Clear();
    region->ReadTurn = 4;
    AddUnit(7, 6, 6, true);
    TPoliticInfo::CreateForParty(report.get(), 7, *region);
    region->Units->Clear();

    region->ReadTurn = 9;
    const TPoliticInfo& carried = TPoliticInfo::CreateForParty(report.get(), 7, *region);
    EXPECT_EQ(Data(carried), (std::vector<std::string>{"-1", "6", "6", "6"}));
    EXPECT_EQ(carried.Turn, 9);
    EXPECT_EQ(carried.RTurn, 4);

    const TPoliticInfo& none = TPoliticInfo::CreateForParty(report.get(), 8, *region);
    EXPECT_EQ(Data(none), (std::vector<std::string>{"-1", "-1", "-1", "-1"}));
    EXPECT_EQ(none.RTurn, -1);
}
