// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/building.h"
#include "model/numbers.h"
#include "model/ship.h"
#include "tools/lines/line_number.h"
#include "tools/regions/list_series.h"
#include "tools/regions/place_view.h"
#include "tools/regions/region_view.h"
#include "tools/unit_fixture.h"
#include "tools/units/unit_order.h"
#include "tools/units/unit_view.h"

namespace maprune {
namespace {

using test::AddUnitWith;

class RegionViewTest : public ::testing::Test {
protected:
    RegionViewTest()
    {
        world.Report().Turn = 10;
        world.Report().ActiveParty = 5;
        maptest::TestWorld::AddAlly(world.AddParty(5, "Wir"), 9);
    }

    TRegion& Region(const std::string& terrain = "Ebene", int32_t fullInfo = 10)
    {
        TRegion& region = world.AddRegion(0, 0);
        region.Terrain = terrain;
        region.InfoDate = 10;
        region.FullInfoDate = fullInfo;
        region.Peasants->AddValue(10, 1234);
        return region;
    }

    std::vector<std::string> Texts(const std::vector<CategoryLine>& lines)
    {
        std::vector<std::string> texts;
        for (const CategoryLine& line : lines)
            texts.push_back(line.Text.substr(0, line.Text.find(" (")));
        return texts;
    }

    test::UnitGameData data;
    maptest::TestWorld world;
};

TEST_F(RegionViewTest, ValuesOrTheirPlaceholders)
{
    const struct {
        const char* Terrain;
        int32_t FullInfo;
        const char* Peasants;
    } cases[] = { { "Ebene", 10, "1234" }, { "Ebene", 0, "- ? -" }, { "Nebel", 10, "- - -" } };
    for (const auto& c : cases) {
        TRegion& region = Region(c.Terrain, c.FullInfo);
        AddUnitWith(world, region, 5, 1, "Menschen").Name = "Ich";
        const RegionView view = ViewOfRegion(world.Report(), &region, {});
        EXPECT_EQ(view.Values[0].Text, c.Peasants) << c.Terrain << c.FullInfo;
        // Laen was never seen: unknown where the figures are shown.
        EXPECT_EQ(view.Values[5].Text, std::string(c.Peasants) == "1234" ? "- ? -" : c.Peasants);
        // Units are listed whatever is known of the values.
        EXPECT_EQ(Texts(view.Units), std::vector<std::string> { "Ich" });
    }
    const RegionView none = ViewOfRegion(world.Report(), nullptr, {});
    EXPECT_EQ(none.Caption, "unbekanntes Territorium");
    EXPECT_EQ(none.Values[8].Text, "- ? -");
}

TEST_F(RegionViewTest, PricesTreesAndDate)
{
    TRegion& region = Region();
    region.Prices->Entries = { { -35, "Balsam" }, { 35, "Öl" }, { 0, "Seide" } };
    region.Mallorn = 1;
    const RegionView view = ViewOfRegion(world.Report(), &region, {});
    EXPECT_EQ(view.Prices,
        (std::vector<std::string> { "Angebot: Balsam für 35 Silber", "Nachfrage: Öl für 35 Silber",
            "Angebot: Seide für 0 Silber" }));
    EXPECT_EQ(view.Values[7].Caption, "Mallornbäume");
    EXPECT_EQ(view.Values[8].Text, "12");
    EXPECT_EQ(RegionDateSuffix(world.Report(), region), "");
    region.InfoDate = 9;
    region.FullInfoDate = 3;
    EXPECT_EQ(RegionDateSuffix(world.Report(), region), " (September 1; März 1)");
}

TEST_F(RegionViewTest, LinesByCategoryAndTheFirstOwnUnit)
{
    TRegion& region = Region();
    const std::pair<int32_t, const char*> owners[]
        = { { 7, "Turm" }, { -1, "Hütte" }, { 9, "Burg" }, { 5, "Haus" }, { 3, "Mine" } };
    for (const auto& [party, name] : owners) {
        auto building = CreateEmpty<TBuilding>(&world.Report());
        building->Party = party;
        building->Name = name;
        region.Buildings->Add(std::move(building));
        AddUnitWith(world, region, party, 1, "Menschen").Name = name;
    }
    const RegionView view = ViewOfRegion(world.Report(), &region, {});
    EXPECT_EQ(Texts(view.Buildings),
        (std::vector<std::string> { "Haus", "Burg", "Hütte", "Mine", "Turm" }));
    // Units keep their order without criteria; the own one is selected.
    EXPECT_EQ(view.SelectedUnit, 3);
    EXPECT_EQ(view.Units[3].Category, PartyCategory::Own);
    EXPECT_EQ(view.Statistics.Parties, (std::vector<int32_t> { 7, -1, 9, 5, 3 }));
}

TEST_F(RegionViewTest, UnitOrderByCriteriaWithTies)
{
    TRegion& region = Region();
    const struct {
        int32_t Party;
        int32_t Count;
        const char* Name;
        std::vector<TTalent> Talents;
    } units[] = {
        { 7, 5, "b", { { "Reiten", 60, 2 } } },
        { 5, 5, "a", { { "Tarnung", 30, 2 }, { "Reiten", 60, 2 } } },
        { 9, 9, "c", {} },
        { 5, 9, "d", { { "Reiten", 10, 3 } } },
    };
    for (const auto& u : units)
        AddUnitWith(world, region, u.Party, u.Count, "Menschen", {}, u.Talents).Name = u.Name;
    const auto names = [&](const std::string& options) {
        std::string order;
        for (const TUnit* unit :
            OrderUnits(world.Report(), *region.Units, UnitOrderFromSettings(options)))
            order += unit->Name;
        return order;
    };
    const std::string byCategory = "nach Allianzstatus (eigene - verbündete - getarnte - "
                                   "feindliche Einheiten)";
    EXPECT_EQ(names(byCategory + "|nach Einheitengröße (absteigend)"), "dacb");
    EXPECT_EQ(names("nach Einheitengröße (absteigend)"), "cdba");
    EXPECT_EQ(
        names("nach Wert des besten Talents (absteigend)|nach Name der Einheit (aufsteigend)"),
        "dabc");
    // Equal level and days: the name first in order wins.
    EXPECT_EQ(BestTalentOf(*(*region.Units)[1]).Name, "Reiten");
    EXPECT_EQ(BestTalentOf(*(*region.Units)[2]).Level, -1);
}

TEST(LineNumber, TheFirstParenthesesThatHoldANumber)
{
    EXPECT_EQ(NumberInLine("Hans (1u8), 29 Menschen", 36), ParseNr("1u8"));
    // A long text in parentheses is no number; the next part is.
    EXPECT_EQ(NumberInLine("Wanderer (aus den fernen Wüstenlanden) (42), 3 Menschen", 10), 42);
    EXPECT_EQ(NumberInLine("ohne Nummer", 36), -1);
    EXPECT_EQ(NumberInLine("offen (12", 10), 12);
}

TEST(UnitView, LabelsAndPosition)
{
    test::UnitGameData data;
    maptest::TestWorld world;
    world.Report().ActiveParty = -1;
    TRegion& region = world.AddRegion(2, 3);
    region.Terrain = "Ebene";
    auto building = CreateEmpty<TBuilding>(&world.Report());
    building->Nr = 4;
    building->Name = "Turm";
    building->Type_ = "Burg";
    region.Buildings->Add(std::move(building));
    TUnit& unit = AddUnitWith(world, region, -1, 1, "Menschen", {}, { { "Tarnung", 30, 3 } });
    unit.Name = "Schatten";
    unit.Nr = 36;
    unit.Building = 4;
    const UnitView view = ViewOfUnit(world.Report(), unit);
    EXPECT_EQ(view.Caption, "Schatten (10)");
    EXPECT_EQ(view.Camouflage, "maximum (3)");
    EXPECT_EQ(view.Size, "1 Mensch");
    EXPECT_EQ(view.Position, "Ebene (2,3), Turm (Burg, 4)");
    // Without an active party a disguised unit is no own unit.
    EXPECT_FALSE(unit.IsOwn());
    unit.Ship = 8;
    EXPECT_EQ(ViewOfUnit(world.Report(), unit).Position, "Ebene (2,3)");
}

} // namespace
} // namespace maprune

namespace maprune {
namespace {

TEST_F(RegionViewTest, BuildingRoomAndShipState)
{
    TRegion& region = Region();
    auto building = CreateEmpty<TBuilding>(&world.Report());
    building->Nr = 7;
    building->Name = "Turm";
    building->Captain = 1;
    building->Size->AddValue(10, 10);
    region.Buildings->Add(std::move(building));
    const std::pair<int32_t, int32_t> units[] = { { 2, 3 }, { 1, 6 }, { 3, 2 } }; // nr, persons
    for (const auto& [nr, persons] : units) {
        TUnit& unit = AddUnitWith(world, region, 5, persons, "Menschen");
        unit.Nr = nr;
        unit.Name = "U" + std::to_string(persons);
        unit.Building = 7;
    }
    std::vector<std::string> texts;
    for (const PlaceLine& line : ViewOfBuildingLine(world.Report(), "Turm (7), Burg", 0).Lines)
        texts.push_back(line.IsUnit ? line.Text.substr(0, line.Text.find(" (")) : line.Text);
    EXPECT_EQ(texts,
        (std::vector<std::string> { "U6", "U3",
            "die folgenden Einheiten profitieren nicht mehr "
            "vom Gebäude",
            "U2", "es ist noch Platz für 1 Person" }));

    auto ship = CreateEmpty<TShip>(&world.Report());
    ship->Nr = 11;
    ship->Name = "Möwe";
    ship->Type_ = "Boot";
    region.Ships->Add(std::move(ship));
    TShip& boat = *(*region.Ships)[0];
    const struct {
        int32_t Percent, Load, MaxLoad;
        std::vector<std::string> Lines;
    } states[] = {
        { 100, 300, 500, { "es sind noch 40% (200 von 500 GE) des Schiffes frei" } },
        { 80, 600, 500,
            { "das Schiff ist erst zu 80% fertiggestellt",
                "Achtung: das Schiff ist zu 20% (100 von 500 GE) überladen" } },
        { 100, 30, 0, { "das Schiff hat 30 GE geladen" } },
    };
    int32_t turn = 10; // each state a newer turn, which becomes the current value
    for (const auto& state : states) {
        ++turn;
        boat.Percent->AddValue(turn, state.Percent);
        boat.Load->AddValue(turn, state.Load);
        boat.MaxLoad->AddValue(turn, state.MaxLoad);
        const PlaceView view = ViewOfShipLine(world.Report(), "Möwe (b), Boot", 0);
        EXPECT_EQ(view.Caption, "Möwe (11, Boot)");
        std::vector<std::string> lines;
        for (const PlaceLine& line : view.Lines)
            lines.push_back(line.Text);
        EXPECT_EQ(lines, state.Lines);
    }
}

} // namespace
} // namespace maprune

namespace maprune {
namespace {

// The popups of the building, ship and unit lists: the line names its object
// by its number in the report's base, the expression by its decimal number.
TEST_F(RegionViewTest, ListPopupSeriesFollowTheReportsBase)
{
    TRegion& region = Region();
    auto building = CreateEmpty<TBuilding>(&world.Report());
    building->Nr = 1300; // "104" in base 36
    building->Name = "Turm";
    building->Type_ = "Burg";
    building->Size->AddValue(10, 10);
    region.Buildings->Add(std::move(building));
    auto ship = CreateEmpty<TShip>(&world.Report());
    ship->Nr = 47; // "1b"
    ship->Name = "Möwe";
    ship->Type_ = "Boot";
    region.Ships->Add(std::move(ship));
    TUnit& unit = AddUnitWith(world, region, 5, 2, "Menschen");
    unit.Nr = 36;
    unit.Name = "Hans";

    const TBuilding& turm = *(*region.Buildings)[0];
    const TShip& boat = *(*region.Ships)[0];
    const struct {
        std::vector<ListSeries> Series;
        ListSeries First;
        size_t Count;
    } cases[] = {
        { PlaceListSeries(world.Report(), region, turm.GetDescription(0), true),
            { "Turm (104): Größe", "gebaeude[1300].groesse" }, 2 },
        { PlaceListSeries(world.Report(), region, boat.GetDescription(0), false),
            { "Möwe (1b): Beschädigung", "schiff[47].beschaedigung" }, 4 },
        { UnitListSeries(world.Report(), unit),
            { "Hans (10): Anzahl Personen", "einheit[36].anzahl" }, 2 },
        { PlaceListSeries(world.Report(), region, boat.GetDescription(0), true), {}, 0 },
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.Series.size(), c.Count) << c.First.Title;
        if (c.Count > 0) {
            EXPECT_EQ(c.Series.front(), c.First);
        }
    }
}

} // namespace
} // namespace maprune
