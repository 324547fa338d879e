// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/game_data.h"
#include "report/merge_region.h"
#include "report/report_building.h"

using namespace maprune;
using namespace maprune::test;

namespace {

struct MergeRegionTest : ::testing::Test {
    TestTerrains Terrains;
    std::unique_ptr<TReport> Dest = NewReport(10);
    std::unique_ptr<TReport> Src = NewReport(11);
    TRegion& D = AddRegion(*Dest, 3, 4, 0, "Ebene", "Alt");
    TRegion& S = AddRegion(*Src, 3, 4, 0, "Wald", "Neu");
    MergeTurns Newer{10, 11};

    void SetUp() override
    {
        D.InfoDate = 10;
        D.FullInfoDate = 10;
        D.Descr = "alte Beschreibung";
        D.Mallorn = 3;
        D.Bitmap_ = 1;
        D.Peasants->AddValue(10, 1000);
        D.Silver->AddValue(10, 2000);
        D.Messages->Add("alte Meldung");
        D.Comment->Add("gemeinsam");
        D.Comment->Add("nur alt");
        S.InfoDate = 11;
        S.FullInfoDate = 11;
        S.Descr = "neue Beschreibung";
        S.Mallorn = 5;
        S.Bitmap_ = 2;
        S.Peasants->AddValue(11, 1100);
        S.Peasants->AddValue(10, 7);
        S.Silver->AddValue(11, 4100);
        S.Messages->Add("neue Meldung");
        S.Comment->Add("nur neu");
        S.Comment->Add("gemeinsam");
        S.Comment->Add("nur neu");
        S.Prices->Entries = {{15, "Balsam"}};
    }
};

TPoliticInfo& Summary(TRegion& region, int32_t party, int32_t turn, int32_t rturn,
                      std::vector<std::string> lines)
{
    auto info = CreateEmpty<TPoliticInfo>(region.Owner());
    info->Party = party;
    info->Turn = turn;
    info->RTurn = rturn;
    for (int i = 0; i < 4; ++i)
        info->Data->SetLine(i, lines[static_cast<size_t>(i)]);
    TPoliticInfo& added = *info;
    region.Politic->Add(std::move(info));
    return added;
}

} // namespace

TEST_F(MergeRegionTest, NewerFullInformationReplacesTextsAndKeepsAllHistory)
{
    MergeRegion(D, S, Newer);
    EXPECT_EQ(D.Name, "Neu");
    EXPECT_EQ(D.Terrain, "Wald");
    EXPECT_EQ(D.TerrainType, &GameDataInstance().GetItem("Wald", kinds::Terrain));
    EXPECT_EQ(D.InfoDate, 11);
    EXPECT_EQ(D.FullInfoDate, 11);
    EXPECT_EQ(D.Descr, "neue Beschreibung");
    EXPECT_EQ(D.Mallorn, 5);
    EXPECT_EQ(D.Bitmap_, 2);
    EXPECT_EQ(D.ReadTurn, 11);
    EXPECT_EQ(D.Peasants->History(), (std::vector<THistoryInteger::Entry>{{11, 1100}, {10, 1000}}));
    EXPECT_EQ(D.Recrutees, 55);
    EXPECT_EQ(D.Entertainment, 205);
    EXPECT_EQ(D.Messages->Lines(), std::vector<std::string>{"neue Meldung"});
    EXPECT_EQ(D.Comment->Lines(), (std::vector<std::string>{"gemeinsam", "nur alt", "nur neu"}));
    EXPECT_EQ(D.Prices->Entries, (std::vector<TPrice>{{15, "Balsam"}}));
    EXPECT_TRUE(AllOwnedBy(D, Dest.get()));
    EXPECT_TRUE(AllOwnedBy(S, Src.get()));
    EXPECT_EQ(Dest->RefCount(), static_cast<int32_t>(CountObjects(*Dest)));
    EXPECT_EQ(Src->RefCount(), static_cast<int32_t>(CountObjects(*Src)));
}

TEST_F(MergeRegionTest, OlderInformationOnlyFillsGaps)
{
    S.InfoDate = 9;
    S.FullInfoDate = 9;
    D.Prices->Entries = {{20, "Seide"}};
    MergeRegion(D, S, MergeTurns{10, 9});
    EXPECT_EQ(D.Name, "Alt");
    EXPECT_EQ(D.Terrain, "Ebene");
    EXPECT_EQ(D.InfoDate, 10);
    EXPECT_EQ(D.Descr, "alte Beschreibung");
    EXPECT_EQ(D.Mallorn, 3);
    EXPECT_EQ(D.Messages->Lines(), std::vector<std::string>{"alte Meldung"});
    EXPECT_EQ(D.Prices->Entries, (std::vector<TPrice>{{20, "Seide"}}));
    EXPECT_EQ(D.ReadTurn, 10);
    // A turn the database has keeps its value; the others are added.
    EXPECT_EQ(D.Peasants->History(), (std::vector<THistoryInteger::Entry>{{11, 1100}, {10, 1000}}));
    EXPECT_EQ(D.Comment->Lines(), (std::vector<std::string>{"gemeinsam", "nur alt", "nur neu"}));
}

TEST_F(MergeRegionTest, PricesComeWithNewerFullInformationOrIntoAnEmptyTable)
{
    S.FullInfoDate = 9;
    D.Prices->Entries = {{20, "Seide"}};
    MergeRegion(D, S, Newer);
    EXPECT_EQ(D.Prices->Entries, (std::vector<TPrice>{{20, "Seide"}}));
    EXPECT_EQ(D.Messages->Lines(), std::vector<std::string>{"alte Meldung"});
    EXPECT_EQ(D.Descr, "alte Beschreibung");
    D.Prices->Entries.clear();
    MergeRegion(D, S, Newer);
    EXPECT_EQ(D.Prices->Entries, (std::vector<TPrice>{{15, "Balsam"}}));
}

TEST_F(MergeRegionTest, TheMapSymbolFollowsTheTerrainName)
{
    // Newer full but older general information: the terrain stays, and so
    // does the symbol drawn for it.
    S.InfoDate = 9;
    MergeRegion(D, S, Newer);
    EXPECT_EQ(D.Terrain, "Ebene");
    EXPECT_EQ(D.Bitmap_, 1);
    EXPECT_EQ(D.TerrainType, &GameDataInstance().GetItem("Ebene", kinds::Terrain));
    EXPECT_EQ(D.Descr, "neue Beschreibung");
}

TEST_F(MergeRegionTest, CopyRegionTakesEverythingButTheEntities)
{
    S.Events->Add("Ereignis");
    S.Surrounding->Add("Umgebung");
    S.Passthrough->Add("Durchreise");
    S.Iron->AddValue(11, 3);
    Summary(S, 7, 11, 11, {"-1", "1", "2", "3"});
    AddUnit(S, 42, 1, 11);
    auto n = CreateEmpty<TRegion>(Dest.get());
    CopyRegion(*n, S);
    EXPECT_EQ(std::make_tuple(n->CX, n->CY, n->CZ), std::make_tuple(3, 4, 0));
    EXPECT_EQ(n->Name, "Neu");
    EXPECT_EQ(n->Terrain, "Wald");
    EXPECT_EQ(n->TerrainType, &GameDataInstance().GetItem("Wald", kinds::Terrain));
    EXPECT_EQ(n->Bitmap_, 2);
    EXPECT_EQ(n->Descr, "neue Beschreibung");
    EXPECT_EQ(n->Mallorn, 5);
    EXPECT_EQ(n->InfoDate, 11);
    EXPECT_EQ(n->ReadTurn, 11);
    EXPECT_EQ(n->Comment->Lines(), (std::vector<std::string>{"nur neu", "gemeinsam", "nur neu"}));
    EXPECT_EQ(n->Events->Lines(), std::vector<std::string>{"Ereignis"});
    EXPECT_EQ(n->Surrounding->Lines(), std::vector<std::string>{"Umgebung"});
    EXPECT_EQ(n->Passthrough->Lines(), std::vector<std::string>{"Durchreise"});
    EXPECT_EQ(n->Peasants->History(), (std::vector<THistoryInteger::Entry>{{11, 1100}, {10, 7}}));
    EXPECT_EQ(n->Iron->CurrentValue(), 3);
    EXPECT_EQ(n->Prices->Entries, (std::vector<TPrice>{{15, "Balsam"}}));
    ASSERT_EQ(n->Politic->Count(), 1u);
    EXPECT_EQ((*n->Politic)[0]->Party, 7);
    EXPECT_EQ(S.Politic->Count(), 0u);
    EXPECT_EQ(n->Units->Count(), 0u);
    EXPECT_EQ(S.Units->Count(), 1u);
    EXPECT_TRUE(AllOwnedBy(*n, Dest.get()));
    EXPECT_TRUE(AllOwnedBy(S, Src.get()));
    Dest->Regions->Add(std::move(n));
    EXPECT_EQ(Dest->RefCount(), static_cast<int32_t>(CountObjects(*Dest)));
    EXPECT_EQ(Src->RefCount(), static_cast<int32_t>(CountObjects(*Src)));
}

TEST_F(MergeRegionTest, PoliticalSummariesMergeBelowTheNewestTurnAndMoveWhenNew)
{
    TPoliticInfo& oldMine = Summary(D, 7, 9, 9, {"-1", "1", "2", "3"});
    TPoliticInfo& currentMine = Summary(D, 7, 11, 11, {"-1", "1", "1", "1"});
    Summary(S, 7, 9, 9, {"-1", "5", "1", "3"});
    Summary(S, 7, 11, 11, {"-1", "9", "9", "9"});
    Summary(S, 8, 11, 11, {"-1", "4", "4", "0"});
    MergeRegion(D, S, Newer);
    EXPECT_EQ(oldMine.Data->Lines(), (std::vector<std::string>{"-1", "5", "2", "3"}));
    EXPECT_EQ(currentMine.Data->Lines(), (std::vector<std::string>{"-1", "1", "1", "1"}));
    ASSERT_EQ(D.Politic->Count(), 3u);
    EXPECT_EQ((*D.Politic)[2]->Party, 8);
    ASSERT_EQ(S.Politic->Count(), 2u);
    EXPECT_TRUE(AllOwnedBy(D, Dest.get()));
    EXPECT_EQ(Dest->RefCount(), static_cast<int32_t>(CountObjects(*Dest)));
    EXPECT_EQ(Src->RefCount(), static_cast<int32_t>(CountObjects(*Src)));
}

TEST_F(MergeRegionTest, PoliticLineRules)
{
    auto line = [](const TPoliticInfo& p) { return p.Data->Lines(); };
    // Unknown lines take known ones; known lines do not become unknown.
    TPoliticInfo& d = Summary(D, 1, 5, 5, {"-1", "-1", "7", "2"});
    TPoliticInfo& p = Summary(S, 1, 5, 3, {"x", "4", "-1", "1"});
    MergePoliticInfo(d, p);
    EXPECT_EQ(line(d), (std::vector<std::string>{"x", "4", "7", "2"}));
    EXPECT_EQ(d.RTurn, 5);
    // Line 0 never changes once known; a later observation replaces the others.
    TPoliticInfo& later = Summary(S, 1, 5, 6, {"y", "1", "1", "-1"});
    MergePoliticInfo(d, later);
    EXPECT_EQ(line(d), (std::vector<std::string>{"x", "1", "1", "2"}));
    EXPECT_EQ(d.RTurn, 6);
    // The same observation turn takes only greater numbers.
    TPoliticInfo& same = Summary(S, 1, 5, 6, {"-1", "3", "0", "2"});
    MergePoliticInfo(d, same);
    EXPECT_EQ(line(d), (std::vector<std::string>{"x", "3", "1", "2"}));
    // An earlier observation than the one now held changes nothing.
    TPoliticInfo& earlier = Summary(S, 1, 5, 5, {"-1", "9", "9", "9"});
    MergePoliticInfo(d, earlier);
    EXPECT_EQ(line(d), (std::vector<std::string>{"x", "3", "1", "2"}));
}
