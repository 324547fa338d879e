// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/game_data_fixtures.h"
#include "model/report.h"

using namespace maprune;
using maprune::test::MakeRecord;

namespace {

GameRecord Talent(std::string name, uint8_t number)
{
    GameRecord r = MakeRecord(KindTalent, name, name, name);
    r.SetByte(24, number);
    return r;
}

GameRecord Terrain(std::string name, bool water, bool iron, bool laen)
{
    GameRecord r = MakeRecord(KindTerrain, name, name, name);
    r.SetByte(24, water ? 1 : 0);
    r.SetByte(40, iron ? 1 : 0);
    r.SetByte(41, laen ? 1 : 0);
    return r;
}

class DescriptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<GameRecord> records;
        records.push_back(MakeRecord(KindRace, "Elf", "Elfen", "Elf|Elfen|Elfe"));
        records.push_back(MakeRecord(KindItem, "Schwert", "Schwerter", "Schwert|Schwerter"));
        records.push_back(MakeRecord(KindItem, "Silber", "Silber", "Silber"));
        records.push_back(Talent("Bergbau", 3));
        records.push_back(Talent("Hiebwaffen", 5));
        records.push_back(Terrain("Ozean", true, false, false));
        records.push_back(Terrain("Berge", false, true, true));
        records.push_back(Terrain("Ebene", false, false, false));
        SetGameData(std::make_unique<GameData>(std::move(records)));

        report->ActiveParty = 7;
        auto party = CreateEmpty<TParty>(report.get());
        party->Nr = 8;
        party->Name = "Nachbarn";
        report->Parties->Add(std::move(party));
    }
    void TearDown() override { SetGameData(nullptr); }

    std::unique_ptr<TUnit> MakeUnit(int32_t party, int32_t persons)
    {
        auto unit = CreateEmpty<TUnit>(report.get());
        unit->Name = "Späher";
        unit->Nr = 1296;
        unit->Party = party;
        unit->Type_ = "Elfen";
        unit->Count->AddValue(1, persons);
        return unit;
    }

    std::unique_ptr<TReport> report = CreateEmpty<TReport>(nullptr);
};

} // namespace

TEST_F(DescriptionTest, ForeignUnitNamesItsPartyAndRaceInTheRightNumber)
{
    auto unit = MakeUnit(8, 1);
    EXPECT_EQ(unit->GetDescription(0), "Späher (100), Nachbarn (8), 1 Elf");
    unit->Party = -1;
    EXPECT_EQ(unit->GetDescription(0),
              "Späher (100), parteigetarnte (-1), parteigetarnt, 1 Elf");
}

TEST_F(DescriptionTest, OwnUnitShowsWhatTheDisplayOptionsAsk)
{
    auto unit = MakeUnit(7, 3);
    unit->FightState = 1;
    unit->Observes = 1;
    unit->Talents->Entries = {{"Hiebwaffen", 90, 2}, {"Bergbau", 30, 1}};
    unit->Items->Entries = {{"Schwert", 1}, {"Schwert", 2}};
    unit->Default_ = "  ARBEITE ";
    unit->Descr = "Vorhut";
    EXPECT_EQ(unit->GetDescription(0), "Späher (100), 3 Elfen, bewacht die Region, \"ARBEITE\"");
    EXPECT_EQ(unit->GetDescription(ShowComments | ShowTalents | ShowItems | ShowFightState),
              "Späher (100), 3 Elfen, hinten, bewacht die Region, Talente: Hiebwaffen 2 [30], "
              "Bergbau 1 [10], hat: 1 Schwert, 2 Schwerter, \"ARBEITE\"; Vorhut");
    unit->FightState = 7;
    EXPECT_EQ(unit->GetDescription(ShowFightState),
              "Späher (100), 3 Elfen, bewacht die Region, \"ARBEITE\"");
}

TEST_F(DescriptionTest, UnitWithoutKnownPersonsDoesNotDivideByThem)
{
    auto unit = CreateEmpty<TUnit>(report.get());
    unit->Party = 7;
    unit->Type_ = "Elf";
    unit->Talents->Entries = {{"Hiebwaffen", 90, 2}};
    EXPECT_EQ(unit->GetDescription(ShowTalents), " (0), -1 Elfen, Talente: Hiebwaffen 2 [0]");
}

TEST_F(DescriptionTest, IsOwnComparesWithTheActiveParty)
{
    auto unit = MakeUnit(7, 1);
    EXPECT_TRUE(unit->IsOwn());
    report->ActiveParty = 9;
    EXPECT_FALSE(unit->IsOwn());
}

TEST_F(DescriptionTest, ShipsAndBuildingsNameForeignOwners)
{
    auto ship = CreateEmpty<TShip>(report.get());
    ship->Name = "Möwe";
    ship->Nr = 36;
    ship->Type_ = "Boot";
    ship->Party = 7;
    EXPECT_EQ(ship->GetDescription(0), "Möwe (10), Boot");
    ship->Party = 8;
    EXPECT_EQ(ship->GetDescription(0), "Möwe (10), Boot, Nachbarn (8)");

    auto building = CreateEmpty<TBuilding>(report.get());
    building->Name = "Feste";
    building->Nr = 19;
    building->Type_ = "Burg";
    building->Size->AddValue(2, 10);
    building->Party = 7;
    EXPECT_EQ(building->GetDescription(0), "Feste (J), Größe 10, Burg");
    building->Party = 0;
    EXPECT_EQ(building->GetDescription(0), "Feste (J), Größe 10, Burg, Monster (0)");
}

TEST_F(DescriptionTest, RegionDescriptionUsesWhatIsKnown)
{
    auto region = CreateEmpty<TRegion>(report.get());
    region->CX = 3;
    region->CY = 4;
    EXPECT_EQ(RegionDescription(region.get()), "(3,4)");
    region->Terrain = "Ebene";
    EXPECT_EQ(RegionDescription(region.get()), "Ebene (3,4)");
    region->Name = "Tirana";
    EXPECT_EQ(RegionDescription(region.get()), "Ebene von Tirana (3,4)");
    region->CZ = 1;
    EXPECT_EQ(RegionDescription(region.get()), "Ebene von Tirana (3,4,1)");
    region->Terrain.clear();
    EXPECT_EQ(RegionDescription(region.get()), "Tirana (3,4,1)");
    EXPECT_EQ(RegionDescription(nullptr), "");
}

TEST_F(DescriptionTest, MaxTalentLevelCountsOnlyUnitsOfTheActiveParty)
{
    auto region = CreateEmpty<TRegion>(report.get());
    auto own = MakeUnit(7, 1);
    own->Talents->Entries = {{"Bergbau", 0, 4}, {"Unbekanntes", 0, 9}};
    auto foreign = MakeUnit(8, 1);
    foreign->Talents->Entries = {{"Bergbau", 0, 8}};
    region->Units->Add(std::move(own));
    region->Units->Add(std::move(foreign));
    EXPECT_EQ(region->MaxTalentLevel(3), 4);
    EXPECT_EQ(region->MaxTalentLevel(5), 0);
    // A talent number the game does not know.
    EXPECT_EQ(region->MaxTalentLevel(27), 0);
}

TEST_F(DescriptionTest, RegionStoresLandValuesOnlyOnLandAndOresWhereTheyCanBe)
{
    auto region = CreateEmpty<TRegion>(report.get());
    const ClassInfo& info = TRegion::StaticClass();
    auto stored = [&](const char* name) { return info.FindProperty(name)->IsStoredFor(*region); };

    region->Terrain = "Ozean";
    EXPECT_FALSE(stored("Peasants"));
    EXPECT_FALSE(stored("Iron"));
    EXPECT_TRUE(stored("Wages"));
    EXPECT_TRUE(stored("Mallorn")) << "-1, its default, is left out anyway";
    region->Peasants->AddValue(4, 0);
    EXPECT_TRUE(stored("Peasants")) << "a held value in any terrain";
    region->Peasants->SetHistory({});

    region->Terrain = "Berge";
    EXPECT_TRUE(stored("Peasants"));
    EXPECT_TRUE(stored("Iron"));
    EXPECT_TRUE(stored("Laen"));

    region->Terrain = "Ebene";
    EXPECT_TRUE(stored("Trees"));
    EXPECT_FALSE(stored("Laen"));
    EXPECT_FALSE(stored("Entertainment"));
}
