// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "report/merge_entities.h"
#include "report/merge_party.h"
#include "report/report_building.h"

using namespace maprune;
using namespace maprune::test;

namespace {

struct MergeEntityTest : ::testing::Test {
    TestTerrains Terrains;
    std::unique_ptr<TReport> Dest = NewReport(10);
    std::unique_ptr<TReport> Src = NewReport(11);
    TRegion& D = AddRegion(*Dest, 0, 0);
    TRegion& S = AddRegion(*Src, 0, 0);

    void ExpectOwnership()
    {
        EXPECT_TRUE(AllOwnedBy(*Dest, Dest.get()));
        EXPECT_TRUE(AllOwnedBy(*Src, Src.get()));
        EXPECT_EQ(Dest->RefCount(), static_cast<int32_t>(CountObjects(*Dest)));
        EXPECT_EQ(Src->RefCount(), static_cast<int32_t>(CountObjects(*Src)));
    }
};

void FillUnit(TUnit& u, const std::string& tag)
{
    u.Name = "Name " + tag;
    u.Descr = "Beschreibung " + tag;
    u.Commands->Add("ARBEITE " + tag);
    u.Messages->Add("Meldung " + tag);
    u.Spells->Add("Spruch " + tag);
    u.Default_ = "ARBEITE " + tag;
    u.HitPoints = "verwundet " + tag;
    u.Private_ = "privat " + tag;
    u.TrueType = "Elfen " + tag;
    u.Type_ = "Menschen " + tag;
    u.Items->Entries = {{"Schwert " + tag, 1}};
    u.Talents->Entries = {{"Hiebwaffen " + tag, 30, 1}};
}

} // namespace

TEST_F(MergeEntityTest, ANewerUnitBringsOrdersAndStatusAnOlderOnlyHistory)
{
    TUnit& e = AddUnit(D, 5, 1, 10, 3);
    TUnit& s = AddUnit(S, 5, 2, 11, 4);
    FillUnit(e, "alt");
    FillUnit(s, "neu");
    s.Besiege = 9;
    s.Building = 8;
    s.Cloak = 2;
    s.CloakParty = 1;
    s.FightState = 2;
    s.Observes = 1;
    s.Ship = 7;
    s.Weapons = 4;
    s.Silver->AddValue(9, 50);

    MergeUnit(e, s, MergeTurns{10, 10});
    EXPECT_EQ(CommandsOf(e), std::vector<std::string>{"ARBEITE alt"});
    EXPECT_EQ(e.Name, "Name alt");
    EXPECT_EQ(e.Party, 1);
    EXPECT_EQ(e.Count->History(), (std::vector<THistoryInteger::Entry>{{11, 4}, {10, 3}}));

    MergeUnit(e, s, MergeTurns{10, 11});
    EXPECT_EQ(CommandsOf(e), std::vector<std::string>{"ARBEITE neu"});
    EXPECT_EQ(e.Messages->Lines(), std::vector<std::string>{"Meldung neu"});
    EXPECT_EQ(e.Spells->Lines(), std::vector<std::string>{"Spruch neu"});
    EXPECT_EQ(e.Name, "Name neu");
    EXPECT_EQ(e.Descr, "Beschreibung neu");
    EXPECT_EQ(e.Party, 2);
    EXPECT_EQ(e.Default_, "ARBEITE neu");
    EXPECT_EQ(e.HitPoints, "verwundet neu");
    EXPECT_EQ(e.Private_, "privat neu");
    EXPECT_EQ(e.TrueType, "Elfen neu");
    EXPECT_EQ(e.Type_, "Menschen neu");
    EXPECT_EQ(std::make_tuple(e.Besiege, e.Building, e.Cloak, e.CloakParty, e.FightState, e.Observes,
                              e.Ship, e.Weapons),
              std::make_tuple(9, 8, 2, 1, 2, 1, 7, 4));
    EXPECT_EQ(e.Items->Entries, (std::vector<TItem>{{"Schwert neu", 1}}));
    EXPECT_EQ(e.Talents->Entries, (std::vector<TTalent>{{"Hiebwaffen neu", 30, 1}}));
    EXPECT_EQ(e.Silver->History(), (std::vector<THistoryInteger::Entry>{{11, 0}, {10, 0}, {9, 50}}));
    ExpectOwnership();
}

TEST_F(MergeEntityTest, ShipsAndBuildingsTakeTheirFieldsFromANewerReport)
{
    TShip& e = AddShip(D, 3, 10);
    TShip& s = AddShip(S, 3, 11);
    s.Captain = 5;
    s.Coast = 2;
    s.Type_ = "Langboot";
    s.Name = "Wellenreiter";
    s.Party = 4;
    s.Load->AddValue(11, 300);
    MergeShip(e, s, MergeTurns{11, 11});
    EXPECT_EQ(e.Captain, -1);
    EXPECT_EQ(e.Type_, "Boot");
    EXPECT_EQ(e.Load->CurrentValue(), 300);
    MergeShip(e, s, MergeTurns{10, 11});
    EXPECT_EQ(std::make_tuple(e.Captain, e.Coast, e.Type_, e.Name, e.Party),
              std::make_tuple(5, 2, std::string("Langboot"), std::string("Wellenreiter"), 4));
    EXPECT_EQ(e.Damage->History(), (std::vector<THistoryInteger::Entry>{{11, 0}, {10, 0}}));

    TBuilding& b = AddBuilding(D, 4, 10, 10);
    TBuilding& t = AddBuilding(S, 4, 11, 20);
    t.Captain = 6;
    t.Type_ = "Festung";
    t.Name = "Trutzburg";
    t.Descr = "hoch";
    t.Party = 2;
    MergeBuilding(b, t, MergeTurns{12, 11});
    EXPECT_EQ(b.Type_, "Burg");
    EXPECT_EQ(b.Size->History(), (std::vector<THistoryInteger::Entry>{{11, 20}, {10, 10}}));
    MergeBuilding(b, t, MergeTurns{10, 11});
    EXPECT_EQ(std::make_tuple(b.Captain, b.Type_, b.Name, b.Descr, b.Party),
              std::make_tuple(6, std::string("Festung"), std::string("Trutzburg"), std::string("hoch"), 2));
}

TEST_F(MergeEntityTest, APartyTakesOverOnlyFromAGreaterOwnTurn)
{
    TParty& d = *Dest->FindParty(1);
    TParty& s = *Src->FindParty(1);
    d.Banner = "altes Banner";
    d.EMail = "alt@example.org";
    d.Points->AddValue(10, 100);
    d.Messages->Add("alte Meldung");
    s.Name = "Neuer Name";
    s.Password = "geheim";
    s.Options = 5;
    s.RecruteCosts = 70;
    s.Migrants = 2;
    s.MaxMigrants = 9;
    s.Banner = "neues Banner";
    s.EMail = "neu@example.org";
    s.Points->AddValue(11, 120);
    s.Fights->Add("Kampf");
    auto ally = CreateEmpty<TAlly>(Src.get());
    ally->Party = 3;
    s.Allies->Add(std::move(ally));

    s.Turn = 10;
    MergeParty(d, s);
    EXPECT_EQ(d.Name, "Partei 1");
    EXPECT_EQ(d.Points->History(), (std::vector<THistoryInteger::Entry>{{11, 120}, {10, 100}}));
    EXPECT_EQ(d.Allies->Count(), 0u);

    s.Turn = 11;
    MergeParty(d, s);
    EXPECT_EQ(d.Turn, 11);
    EXPECT_EQ(d.Name, "Neuer Name");
    EXPECT_EQ(d.Password, "geheim");
    EXPECT_EQ(std::make_tuple(d.Options, d.RecruteCosts, d.Migrants, d.MaxMigrants),
              std::make_tuple(5, 70, 2, 9));
    ASSERT_EQ(d.Allies->Count(), 1u);
    EXPECT_EQ((*d.Allies)[0]->Party, 3);
    EXPECT_EQ(d.Fights->Lines(), std::vector<std::string>{"Kampf"});
    EXPECT_TRUE(d.Messages->Lines().empty());
    EXPECT_EQ(d.Banner, "altes Banner");
    EXPECT_EQ(d.EMail, "alt@example.org");
    ExpectOwnership();
}

TEST_F(MergeEntityTest, TheNumberIndexHoldsEveryEntityWithItsRegion)
{
    TRegion& other = AddRegion(*Src, 1, 0);
    AddUnit(S, 5, 1, 11);
    AddUnit(other, 6, 1, 11);
    AddShip(other, 5, 11);
    const auto units = IndexUnits(*Src);
    EXPECT_EQ(units->FindValue(5), &S);
    EXPECT_EQ(units->FindValue(6), &other);
    EXPECT_EQ(IndexShips(*Src)->FindValue(5), &other);
    EXPECT_EQ(IndexBuildings(*Src)->FindItem(5), nullptr);
}
