// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "report/merge_report.h"
#include "report/progress_panel.h"
#include "report/report_building.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using namespace maprune::test;

namespace {

// The database of turn 10 of party 1:
//   (0,0) Ebene "Alpha": unit 100 (orders "ARBEITE"), ship 200, building 301
//   (1,0) Wald "Beta": unit 101, building 300
//   (5,5) Berge "Gamma": unit 102
struct MergeReportTest : ::testing::Test {
    TestTerrains Terrains;
    ScriptedDialogs Messages;
    ScriptedShifts Chooser;
    NullProgressPanel Panel;
    AdaptationUi Ui{Messages, Chooser, Panel};
    AdaptationOptions Options;
    std::unique_ptr<TReport> Dest = NewReport(10);
    TRegion& Alpha = AddRegion(*Dest, 0, 0, 0, "Ebene", "Alpha");
    TRegion& Beta = AddRegion(*Dest, 1, 0, 0, "Wald", "Beta");
    TRegion& Gamma = AddRegion(*Dest, 5, 5, 0, "Berge", "Gamma");

    void SetUp() override
    {
        Alpha.Peasants->AddValue(10, 600);
        TUnit& u = AddUnit(Alpha, 100, 1, 10, 5);
        u.Commands->Add("ARBEITE");
        AddUnit(Beta, 101, 1, 10);
        AddUnit(Gamma, 102, 1, 10);
        AddShip(Alpha, 200, 10);
        AddBuilding(Beta, 300, 10);
        AddBuilding(Alpha, 301, 10);
    }

    MergeResult Merge(TReport& src) { return MergeReport(*Dest, src, Options, Ui); }

    void ExpectOwnership(const TReport& src)
    {
        EXPECT_TRUE(AllOwnedBy(*Dest, Dest.get()));
        EXPECT_TRUE(AllOwnedBy(src, &src));
        EXPECT_EQ(Dest->RefCount(), static_cast<int32_t>(CountObjects(*Dest)));
        EXPECT_EQ(src.RefCount(), static_cast<int32_t>(CountObjects(src)));
    }
};

std::vector<int32_t> UnitNumbers(const TRegion& region)
{
    std::vector<int32_t> numbers;
    for (const TUnit* unit : *region.Units)
        numbers.push_back(unit->Nr);
    return numbers;
}

} // namespace

TEST_F(MergeReportTest, AnOlderReportFillsHistoryAndChangesNothingElse)
{
    auto src = NewReport(9);
    TRegion& alpha = AddRegion(*src, 0, 0, 0, "Wald", "Altname");
    alpha.Peasants->AddValue(9, 500);
    alpha.Peasants->AddValue(10, 999);
    TUnit& old = AddUnit(alpha, 100, 1, 9, 4);
    old.Commands->Add("LERNE");
    AddUnit(alpha, 555, 1, 9);

    const MergeResult result = Merge(*src);
    EXPECT_TRUE(result.Merged);
    EXPECT_FALSE(result.SrcNewer);
    EXPECT_EQ(Alpha.Name, "Alpha");
    EXPECT_EQ(Alpha.Terrain, "Ebene");
    EXPECT_EQ(Alpha.Peasants->History(), (std::vector<THistoryInteger::Entry>{{10, 600}, {9, 500}}));
    TUnit* unit = FindUnit(*Dest, 100);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(CommandsOf(*unit), std::vector<std::string>{"ARBEITE"});
    EXPECT_EQ(unit->Count->History(), (std::vector<THistoryInteger::Entry>{{10, 5}, {9, 4}}));
    EXPECT_NE(FindUnit(*Dest, 101), nullptr);
    EXPECT_NE(FindUnit(*Dest, 102), nullptr);
    EXPECT_EQ(FindUnit(*Dest, 555), nullptr);
    EXPECT_EQ(Alpha.Ships->Count(), 1u);
    EXPECT_EQ(Dest->Turn, 10);
    ExpectOwnership(*src);
}

TEST_F(MergeReportTest, ANewerReportMovesAddsAndRemovesEntities)
{
    auto src = NewReport(11);
    TRegion& beta = AddRegion(*src, 1, 0, 0, "Wald", "Beta");
    TRegion& alpha = AddRegion(*src, 0, 0, 0, "Ebene", "Alpha");
    TRegion& delta = AddRegion(*src, 2, 0, 0, "Ebene", "Delta");
    alpha.FullInfoDate = 11;
    beta.FullInfoDate = 0;
    // 100 moved from Alpha to Beta (a later region), 101 from Beta to Alpha
    // (an earlier one); 102 is gone although Gamma is not shown.
    TUnit& moved = AddUnit(beta, 100, 1, 11, 6);
    moved.Commands->Add("NACH o");
    AddUnit(alpha, 101, 1, 11);
    AddUnit(alpha, 777, 2, 11);
    AddUnit(alpha, 778, 2, 11);
    AddUnit(delta, 888, 2, 11);
    AddShip(delta, 201, 11);
    AddBuilding(delta, 302, 11);

    const MergeResult result = Merge(*src);
    ASSERT_TRUE(result.Merged);
    EXPECT_TRUE(result.SrcNewer);
    EXPECT_EQ(UnitNumbers(Alpha), (std::vector<int32_t>{101, 777, 778}));
    EXPECT_EQ(UnitNumbers(Beta), (std::vector<int32_t>{100}));
    EXPECT_TRUE(UnitNumbers(Gamma).empty());
    TUnit* unit = FindUnit(*Dest, 100);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->Count->History(), (std::vector<THistoryInteger::Entry>{{11, 6}, {10, 5}}));
    EXPECT_EQ(CommandsOf(*unit), std::vector<std::string>{"NACH o"});
    // Ships missing from a newer report go; buildings only where it has full information.
    EXPECT_EQ(Alpha.Ships->Count(), 0u);
    EXPECT_EQ(Alpha.Buildings->Count(), 0u);
    EXPECT_EQ(Beta.Buildings->Count(), 1u);
    // A region only the newer report has comes with its entities.
    ASSERT_EQ(Dest->Regions->Count(), 4u);
    TRegion& added = *(*Dest->Regions)[3];
    EXPECT_EQ(added.Name, "Delta");
    EXPECT_EQ(UnitNumbers(added), std::vector<int32_t>{888});
    EXPECT_EQ(added.Ships->Count(), 1u);
    EXPECT_EQ(added.Buildings->Count(), 1u);
    EXPECT_EQ(Dest->Turn, 11);
    ExpectOwnership(*src);
}

TEST_F(MergeReportTest, AReportOfTheSameTurnChangesNoOrdersAndAddsNoUnits)
{
    auto src = NewReport(10, 2);
    TRegion& alpha = AddRegion(*src, 0, 0, 0, "Ebene", "Alpha");
    TUnit& seen = AddUnit(alpha, 100, 1, 10, 5);
    seen.Commands->Add("FREMD");
    AddUnit(alpha, 900, 2, 10);
    TRegion& far = AddRegion(*src, 9, 9, 0, "Ebene", "Fern");
    AddUnit(far, 901, 2, 10);

    Merge(*src);
    EXPECT_EQ(CommandsOf(*FindUnit(*Dest, 100)), std::vector<std::string>{"ARBEITE"});
    EXPECT_EQ(FindUnit(*Dest, 900), nullptr);
    EXPECT_EQ(FindUnit(*Dest, 901), nullptr);
    EXPECT_NE(FindUnit(*Dest, 102), nullptr);
    EXPECT_EQ(Dest->Regions->Count(), 4u);
    ASSERT_NE(Dest->FindParty(2), nullptr);
    EXPECT_EQ(Dest->ActiveParty, 1);
    ExpectOwnership(*src);
}

TEST_F(MergeReportTest, OwnerMovesLeaveTheAddedReportWithNothingTheDatabaseHolds)
{
    auto src = NewReport(11);
    TRegion& alpha = AddRegion(*src, 0, 0, 0, "Ebene", "Alpha");
    alpha.FullInfoDate = 0;
    AddUnit(alpha, 100, 1, 11);
    AddUnit(alpha, 101, 1, 11);
    AddUnit(alpha, 102, 1, 11);
    AddShip(alpha, 200, 11);
    TUnit& fresh = AddUnit(alpha, 700, 1, 11);
    EXPECT_EQ(CountObjects(fresh), 3u) << "the unit and the two histories written";

    Merge(*src);
    // Only the new unit changed hands, with its objects; merged objects
    // exchanged texts, and the database made the records of the earlier
    // states (units the newer report no longer shows) besides.
    ASSERT_EQ(FindUnit(*Dest, 700), &fresh);
    EXPECT_EQ(fresh.Owner(), Dest.get());
    EXPECT_EQ(FindUnit(*src, 700), nullptr);
    EXPECT_GT(CountObjects(*Dest->PastObjects), 1u);
    ExpectOwnership(*src);
    src.reset();
    EXPECT_EQ(Dest->RefCount(), static_cast<int32_t>(CountObjects(*Dest)));
    EXPECT_EQ(CommandsOf(*FindUnit(*Dest, 100)), std::vector<std::string>{});
}

TEST_F(MergeReportTest, HeaderSeriesSpellsPotionsAndParties)
{
    Dest->Series = "region[0,0].bauern\x01" "Bauern\x01";
    auto spell = CreateEmpty<TSpell>(Dest.get());
    spell->Spell = "Feuerball";
    Dest->Spells->Add(std::move(spell));

    auto src = NewReport(11);
    src->Game = "Kelvaran II";
    src->Basis = 10;
    src->Coordinates = "Quadrat";
    src->Umlaute = 0;
    src->Series = "einheit[0z1].anzahl\x01" "Anzahl\x01" "\x02" "region[0,0].bauern\x01" "Bauern\x01";
    for (const char* name : {"FEUERBALL", "Eisregen", "eisregen"}) {
        auto s = CreateEmpty<TSpell>(src.get());
        s->Spell = name;
        src->Spells->Add(std::move(s));
    }
    auto potion = CreateEmpty<TPotion>(src.get());
    potion->Potion = "Heiltrank";
    src->Potions->Add(std::move(potion));
    AddParty(*src, 7, 11, "Elfen");
    src->FindParty(1)->Name = "Umbenannt";

    Merge(*src);
    EXPECT_EQ(Dest->Game, "Kelvaran II");
    EXPECT_EQ(Dest->Basis, 10);
    EXPECT_EQ(Dest->Coordinates, "Quadrat");
    EXPECT_EQ(Dest->Umlaute, 0);
    EXPECT_EQ(Dest->Series, "region[0,0].bauern\x01" "Bauern\x01" "\x02" "einheit[0z1].anzahl\x01" "Anzahl\x01");
    ASSERT_EQ(Dest->Spells->Count(), 2u);
    EXPECT_EQ((*Dest->Spells)[1]->Spell, "Eisregen");
    EXPECT_EQ(src->Spells->Count(), 2u);
    EXPECT_EQ(Dest->Potions->Count(), 1u);
    EXPECT_EQ(Dest->Parties->Count(), 2u);
    EXPECT_EQ(Dest->FindParty(1)->Name, "Umbenannt");
    EXPECT_EQ(Dest->FindParty(7)->Type_, "Elfen");
    EXPECT_EQ(src->Parties->Count(), 1u);
    ExpectOwnership(*src);
}

TEST_F(MergeReportTest, SeriesOfAnOlderReportJoinTooButItsHeaderDoesNot)
{
    auto src = NewReport(9);
    src->Game = "Anders";
    src->Series = "a\x01" "A\x01";
    Merge(*src);
    EXPECT_EQ(Dest->Game, "Kelvaran");
    EXPECT_EQ(Dest->Series, "a\x01" "A\x01");
    auto again = NewReport(9);
    again->Series = "b\x01" "B\x01" "1";
    Merge(*again);
    EXPECT_EQ(Dest->Series, "a\x01" "A\x01" "\x02" "b\x01" "B\x01" "1");
}

TEST_F(MergeReportTest, ARegionOnlyAnOlderReportHasComesWithoutItsUnits)
{
    auto src = NewReport(9);
    TRegion& far = AddRegion(*src, 9, 9, 1, "Ozean", "Meer");
    far.Peasants->AddValue(9, 0);
    far.Comment->Add("Notiz");
    AddUnit(far, 950, 1, 9);
    Merge(*src);
    TRegion* added = Dest->FindRegion(9, 9, 1);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->Name, "Meer");
    EXPECT_EQ(added->Terrain, "Ozean");
    EXPECT_EQ(added->Comment->Lines(), std::vector<std::string>{"Notiz"});
    EXPECT_TRUE(added->Units->Count() == 0);
    ExpectOwnership(*src);
}

TEST_F(MergeReportTest, TwoRegionsAtOnePlaceMergeIntoOne)
{
    auto src = NewReport(11);
    AddRegion(*src, 7, 7, 0, "Ebene", "Eins");
    TRegion& second = AddRegion(*src, 7, 7, 0, "Ebene", "Zwei");
    second.InfoDate = 12;
    Merge(*src);
    ASSERT_EQ(Dest->Regions->Count(), 4u);
    EXPECT_EQ((*Dest->Regions)[3]->Name, "Zwei");
}

TEST_F(MergeReportTest, TheOlderReportIsShiftedToFitTheNewer)
{
    Options.Enabled = true;
    // The newer report places the database's regions 5 fields further east.
    auto src = NewReport(11);
    AddRegion(*src, 5, 5, 0, "Ebene", "Alpha");
    AddRegion(*src, 6, 5, 0, "Wald", "Beta");
    AddRegion(*src, 10, 10, 0, "Berge", "Gamma");
    const MergeResult result = Merge(*src);
    ASSERT_TRUE(result.Merged);
    ASSERT_EQ(result.Adaptation.Layers.size(), 1u);
    EXPECT_EQ(result.Adaptation.Layers[0].Offset, (Shift{5, 5}));
    EXPECT_EQ(Dest->Regions->Count(), 3u);
    EXPECT_EQ(std::make_pair(Alpha.CX, Alpha.CY), std::make_pair(5, 5));

    auto older = NewReport(3);
    TRegion& old = AddRegion(*older, -1, -1, 0, "Ebene", "Alpha");
    AddRegion(*older, 0, -1, 0, "Wald", "Beta");
    Merge(*older);
    EXPECT_EQ(std::make_pair(old.CX, old.CY), std::make_pair(5, 5));
    EXPECT_EQ(std::make_pair(Alpha.CX, Alpha.CY), std::make_pair(5, 5));
    EXPECT_EQ(Dest->Regions->Count(), 3u);
}

TEST_F(MergeReportTest, ARefusedReportLeavesTheDatabaseAsItWas)
{
    Options.Enabled = true;
    Options.OnNone = NoShiftReaction::Refuse;
    const size_t objects = CountObjects(*Dest);
    auto src = NewReport(11);
    src->Game = "Anders";
    src->Series = "x";
    TRegion& sea = AddRegion(*src, 0, 0, 0, "Ozean", "See");
    AddUnit(sea, 700, 1, 11);
    const MergeResult result = Merge(*src);
    EXPECT_FALSE(result.Merged);
    EXPECT_EQ(CountObjects(*Dest), objects);
    EXPECT_EQ(Dest->Game, "Kelvaran");
    EXPECT_TRUE(Dest->Series.empty());
    EXPECT_EQ(Alpha.Name, "Alpha");
    EXPECT_EQ(UnitNumbers(Alpha), std::vector<int32_t>{100});
    EXPECT_EQ(Dest->Turn, 10);
    EXPECT_EQ(sea.Units->Count(), 1u);
}
