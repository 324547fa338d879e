// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/building.h"
#include "model/ship.h"
#include "tools/stats/report_statistics.h"
#include "tools/unit_fixture.h"

namespace maprune {
namespace {

using test::AddUnitWith;

class ReportStatisticsTest : public ::testing::Test {
protected:
    ReportStatisticsTest() { world.Report().ActiveParty = 5; }

    const GameRecord& Talent(const char* name)
    {
        for (const GameRecord* record : TalentChoices()) {
            if (record->Singular == name)
                return *record;
        }
        throw std::logic_error(name);
    }

    test::UnitGameData data;
    maptest::TestWorld world;
};

TEST_F(ReportStatisticsTest, StandingLine)
{
    EXPECT_EQ(StandingLine(world.Report()), "--- keine Partei im Report definiert ---");
    const struct {
        int32_t Persons, Units, Points, Average;
        const char* Line;
    } cases[] = {
        { 1, 1, 1, 2,
            "Sie kommandieren 1 Person in 1 Einheit. Mit 1 Punkt liegen Sie 1 Punkt unter dem "
            "Durchschnitt gleichalteriger Parteien" },
        { 7, 2, 30, 30,
            "Sie kommandieren 7 Personen in 2 Einheiten. Mit 30 Punkten liegen Sie 0 Punkte über "
            "dem Durchschnitt gleichalteriger Parteien" },
    };
    for (const auto& c : cases) {
        maptest::TestWorld fresh;
        fresh.Report().ActiveParty = 5;
        TParty& party = fresh.AddParty(5, "Wir");
        party.Persons->AddValue(1, c.Persons);
        party.Points->AddValue(1, c.Points);
        party.PointAverage->AddValue(1, c.Average);
        TRegion& region = fresh.AddRegion(0, 0);
        for (int32_t i = 0; i < c.Units; ++i)
            fresh.AddUnit(region, 5, 1);
        fresh.AddUnit(region, 6, 1); // another party's unit does not count
        EXPECT_EQ(StandingLine(fresh.Report()), c.Line);
    }
}

TEST_F(ReportStatisticsTest, PartiesAndTheirTotals)
{
    TRegion& first = world.AddRegion(0, 0);
    TRegion& second = world.AddRegion(1, 0);
    AddUnitWith(world, first, -1, 3, "Menschen");
    AddUnitWith(world, first, 7, 2, "Troll", { { "Pferd", 1 } });
    AddUnitWith(world, second, 5, 2, "Menschen", { { "Pferde", 2 }, { "Silber", 100 } });
    // An item named like a terrain is counted as that type.
    AddUnitWith(world, second, 7, 1, "Trolle", { { "Pferde", 1 }, { "Ebene", 1 } });
    auto building = CreateEmpty<TBuilding>(&world.Report());
    building->Type_ = "Burg";
    building->Party = 7;
    second.Buildings->Add(std::move(building));
    auto ship = CreateEmpty<TShip>(&world.Report());
    ship->Type_ = "Boot";
    ship->Party = 5;
    first.Ships->Add(std::move(ship));

    std::vector<int32_t> numbers;
    for (const StatisticsParty& party : StatisticsParties(world.Report()))
        numbers.push_back(party.Nr);
    EXPECT_EQ(numbers, (std::vector<int32_t> { 7, 5 }));

    // Singular and plural forms of one type add up in one line.
    const PartyTotals trolls = PartyTotalsOf(world.Report(), 7);
    EXPECT_EQ(trolls.Goods, (std::vector<std::string> { "3 Trolle", "2 Pferde", "1 Ebene" }));
    EXPECT_EQ(trolls.Buildings, (std::vector<std::string> { "1 Burg" }));
    // A building type the data did not know is a building type from now on.
    EXPECT_EQ(GameDataInstance().GetItem("Burg", kinds::Building).Kind(), KindBuilding);
    EXPECT_TRUE(trolls.Ships.empty());
    const PartyTotals own = PartyTotalsOf(world.Report(), 5);
    EXPECT_EQ(own.Goods, (std::vector<std::string> { "2 Menschen", "2 Pferde", "100 Silber" }));
    EXPECT_EQ(own.Ships, (std::vector<std::string> { "1 Boot" }));
}

TEST_F(ReportStatisticsTest, TalentFiguresAndHistogram)
{
    using Points = std::vector<std::pair<int32_t, long long>>;
    const struct {
        std::vector<TTalent> Talents; // one unit of 3 persons each
        long long Persons, Days, Sum;
        Points Expected;
        bool Outside;
    } cases[] = {
        { { { "Reiten", 0, 0 } }, 3, 0, 0, { { 0, 3 }, { 1, 0 } }, false },
        { { { "reiten", 90, 2 }, { "Reiten", 30, 4 } }, 6, 120, 18,
            { { 1, 0 }, { 2, 3 }, { 3, 0 }, { 4, 3 }, { 5, 0 } }, false },
        { { { "Tarnung", 30, 1 } }, 0, 0, 0, {}, false },
        { { { "Reiten", 10, 50 } }, 3, 10, 150, { { 46, 0 }, { 47, 3 }, { 48, 0 } }, true },
    };
    for (const auto& c : cases) {
        maptest::TestWorld fresh;
        TRegion& region = fresh.AddRegion(0, 0);
        for (const TTalent& talent : c.Talents)
            AddUnitWith(fresh, region, 5, 3, "Menschen", {}, { talent });
        AddUnitWith(fresh, region, 6, 9, "Menschen", {}, { { "Reiten", 9, 9 } });
        const TalentFigures figures = TalentFiguresOf(fresh.Report(), 5, Talent("Reiten"));
        Points points;
        for (const TalentPoint& point : figures.Points)
            points.emplace_back(point.Level, point.Persons);
        EXPECT_EQ(figures.Persons, c.Persons);
        EXPECT_EQ(figures.Days, c.Days);
        EXPECT_EQ(figures.Sum, c.Sum);
        EXPECT_EQ(points, c.Expected);
        EXPECT_EQ(figures.OutsideSlots, c.Outside);
    }
}

TEST_F(ReportStatisticsTest, SelectedRegions)
{
    EXPECT_TRUE(SelectedRegionsLines(world.Report()).empty());
    TRegion& passed = world.AddRegion(0, 0);
    passed.Terrain = "Ebene";
    passed.Peasants->AddValue(1, 100);
    passed.SetTag(1);
    EXPECT_EQ(SelectedRegionsLines(world.Report()),
        (std::vector<std::string> { "1 Regionen", "1 Ebene" }));

    TRegion& seen = world.AddRegion(1, 0);
    seen.Terrain = "Ebene";
    seen.FullInfoDate = 1;
    seen.Peasants->AddValue(1, 200);
    seen.Trees->AddValue(1, 5);
    seen.Mallorn = 1;
    seen.Iron->AddValue(1, 0);
    seen.SetTag(1);
    world.AddRegion(2, 0).Terrain = "Nebel"; // not selected
    EXPECT_EQ(SelectedRegionsLines(world.Report()),
        (std::vector<std::string> { "2 Regionen", "2 Ebene", "200 Bauern", "5 Mallornbäume" }));
}

} // namespace
} // namespace maprune
