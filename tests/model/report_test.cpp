// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/report.h"

using namespace maprune;

namespace {

TParty& AddParty(TReport& report, int32_t nr, int32_t turn, std::string race, std::string name = {})
{
    auto party = CreateEmpty<TParty>(&report);
    party->Nr = nr;
    party->Turn = turn;
    party->Type_ = std::move(race);
    party->Name = std::move(name);
    TParty& added = *party;
    report.Parties->Add(std::move(party));
    return added;
}

TRegion& AddRegion(TReport& report, int32_t x, int32_t y, int32_t z)
{
    auto region = CreateEmpty<TRegion>(&report);
    region->CX = x;
    region->CY = y;
    region->CZ = z;
    TRegion& added = *region;
    report.Regions->Add(std::move(region));
    return added;
}

std::vector<std::string> PartyNames(const TReport& report)
{
    std::vector<std::string> names;
    for (const TParty* p : *report.Parties)
        names.push_back(p->Name);
    return names;
}

class ReportFinishTest : public ::testing::Test {
protected:
    std::unique_ptr<TReport> report = CreateEmpty<TReport>(nullptr);
};

} // namespace

TEST_F(ReportFinishTest, KeepsThePartyWithARaceWhateverTheOrder)
{
    AddParty(*report, 7, 9, "", "nur Adresse");
    AddParty(*report, 7, 3, "Elfen", "voll");
    AddParty(*report, 8, 2, "Zwerge", "voll 8");
    AddParty(*report, 8, 5, "", "Adresse 8");
    report->Finish();
    EXPECT_EQ(PartyNames(*report), (std::vector<std::string>{"voll", "voll 8"}));
}

TEST_F(ReportFinishTest, KeepsTheNewerPartyAndOnEqualTurnsTheLaterOne)
{
    AddParty(*report, 1, 4, "Elfen", "neu");
    AddParty(*report, 1, 2, "Elfen", "alt");
    AddParty(*report, 2, 3, "", "erste");
    AddParty(*report, 2, 3, "", "zweite");
    AddParty(*report, 2, 3, "", "dritte");
    report->Finish();
    EXPECT_EQ(PartyNames(*report), (std::vector<std::string>{"neu", "dritte"}));
}

TEST_F(ReportFinishTest, ActivePartyIsTheNewestWithARaceAndTurnTheGreatest)
{
    AddParty(*report, 1, 9, "", "Adresse");
    AddParty(*report, 2, 4, "Elfen");
    AddParty(*report, 3, 6, "Orks");
    AddParty(*report, 4, 6, "Menschen");
    report->Finish();
    EXPECT_EQ(report->ActiveParty, 3);
    EXPECT_EQ(report->Turn, 9);
}

TEST_F(ReportFinishTest, WithoutPartiesTurnIsOneAndNoPartyIsActive)
{
    report->Finish();
    EXPECT_EQ(report->Turn, 1);
    EXPECT_EQ(report->ActiveParty, -1);
    EXPECT_EQ(report->ActiveLayer, -1);
}

TEST_F(ReportFinishTest, ActiveLayerPrefersLayerZeroElseTheLastRegion)
{
    AddRegion(*report, 0, 0, 1);
    AddRegion(*report, 1, 0, 0);
    AddRegion(*report, 2, 0, 2);
    report->Finish();
    EXPECT_EQ(report->ActiveLayer, 0);

    auto other = CreateEmpty<TReport>(nullptr);
    AddRegion(*other, 0, 0, 3);
    AddRegion(*other, 1, 0, 2);
    other->Finish();
    EXPECT_EQ(other->ActiveLayer, 2);
    EXPECT_EQ(other->Layers(), (std::vector<int32_t>{3, 2}));
}

TEST_F(ReportFinishTest, UnknownInfoDatesBecomeTheReportTurnAndTheIndexIsDropped)
{
    AddParty(*report, 1, 6, "Elfen");
    TRegion& unknown = AddRegion(*report, 0, 0, 0);
    unknown.InfoDate = -1;
    unknown.FullInfoDate = -1;
    TRegion& known = AddRegion(*report, 1, 0, 0);
    known.InfoDate = 4;
    known.FullInfoDate = 0;
    report->SetIndexed(true);
    report->Finish();
    EXPECT_EQ(unknown.InfoDate, 6);
    EXPECT_EQ(unknown.FullInfoDate, 6);
    EXPECT_EQ(known.InfoDate, 4);
    EXPECT_EQ(known.FullInfoDate, 0);
    EXPECT_FALSE(report->Indexed());
}

TEST_F(ReportFinishTest, NeighboursAreLinkedOnTheSameLayerOnly)
{
    TRegion& centre = AddRegion(*report, 0, 0, 0);
    TRegion& west = AddRegion(*report, -1, 0, 0);
    TRegion& north = AddRegion(*report, 0, 1, 0);
    AddRegion(*report, 1, 0, 1);
    TRegion& southEast = AddRegion(*report, 1, -1, 0);
    centre.LinkNeighbours();
    EXPECT_EQ(centre.Neighbour(0), &west);
    EXPECT_EQ(centre.Neighbour(2), &north);
    EXPECT_EQ(centre.Neighbour(3), nullptr);
    EXPECT_EQ(centre.Neighbour(4), &southEast);
    EXPECT_EQ(centre.Neighbour(0x80 | 2), &north);
    EXPECT_EQ(centre.Neighbour(6), nullptr);
}

TEST(PartyDescription, NamesMonstersDisguisedKnownAndUnknownParties)
{
    auto report = CreateEmpty<TReport>(nullptr);
    AddParty(*report, 0, 1, "Monster", "Die Monster");
    AddParty(*report, 46, 1, "Elfen", "Waldläufer");
    EXPECT_EQ(report->PartyDescription(0), "Monster (0)");
    EXPECT_EQ(report->PartyDescription(-1), "parteigetarnte (-1)");
    EXPECT_EQ(report->PartyDescription(46), "Waldläufer (1a)");
    EXPECT_EQ(report->PartyDescription(47), "unbekannte Partei (1b)");
    EXPECT_EQ(report->FindParty(46)->Name, "Waldläufer");
    EXPECT_EQ(report->FindParty(5), nullptr);
}
