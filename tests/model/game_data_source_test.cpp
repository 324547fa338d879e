// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/game_data_source.h"

using namespace maprune;

namespace {

constexpr const char* kSource = R"(# comment
[talent]
singular = Reiten
number = 13

[talent]
singular = Bergbau
number = 3

[item]
singular = Holz
class = material
material = 0
weight = 5

[item]
singular = Stein
plural = Steine
class = material
material = 1
weight = 60

[item]
singular = Silber
class = money
weight = 1/100

[terrain]
singular = Ozean
plural = Ozeane
number = 0
picture = 0
water = yes
colour = #2050C0
compatible = Berge

[terrain]
singular = Berge
names = Berge|Gebirge
number = 6
picture = 6
iron = yes
laen = yes
work_places = 1000
colour = 0x8C7B6B
compatible = ozean

[race]
singular = Troll
plural = Trolle
number = 10
recruiting_cost = 90
hit_points = 30
magic_resistance = 10
natural_armour = 1
person_weight = 20
person_capacity = 1080/100
talents = Bergbau 2,
    Reiten -2
description = Groß und
	stark.

[building]
singular = Burg
plural = Burgen
names = Burg|Turm
number = 13
cost = Stein 1, Holz 2
upkeep = Holz 1
talents = Bergbau 1
size_limit = none
minimum_size = 10
capacity = size

[command]
word = LERNE
syntax = LERNE <Talent>
description = Lernt.
)";

std::string ErrorOf(const std::string& text)
{
    try {
        ParseGameDataSource(text, "data.txt");
    } catch (const GameDataSourceError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(GameDataSource, ReadsEveryKindIntoItsFields)
{
    const std::vector<GameRecord> r = ParseGameDataSource(kSource, "data.txt");
    ASSERT_EQ(r.size(), 10u);

    EXPECT_EQ(r[0].Kind(), KindTalent);
    EXPECT_EQ(r[0].TalentNumber(), 13);
    EXPECT_EQ(r[0].Plural, "Reiten"); // defaults to the singular
    EXPECT_EQ(r[0].Names, "Reiten");

    EXPECT_EQ(r[3].Names, "Stein|Steine"); // singular and plural by default
    EXPECT_EQ(r[3].ItemClass(), 3);
    EXPECT_EQ(r[3].MaterialNumber(), 1);
    EXPECT_EQ(r[3].Int32At(20), 1);
    EXPECT_EQ(r[3].Int32At(24), 60);
    EXPECT_EQ(r[4].Int32At(20), 100);
    EXPECT_EQ(r[4].Int32At(24), 1);
    EXPECT_EQ(r[4].ItemClass(), 7);

    const GameRecord& ocean = r[5];
    EXPECT_EQ(ocean.Kind(), KindTerrain);
    EXPECT_TRUE(ocean.IsWater());
    EXPECT_EQ(ocean.OverviewColour(), 0x2050C0u);
    EXPECT_EQ(ocean.TerrainSet(), (1u << 0) | (1u << 6)); // itself and the mountains
    const GameRecord& mountains = r[6];
    EXPECT_EQ(mountains.TerrainNumber(), 6);
    EXPECT_EQ(mountains.PictureNumber(), 6);
    EXPECT_TRUE(mountains.CanHoldIron());
    EXPECT_TRUE(mountains.CanHoldLaen());
    EXPECT_FALSE(mountains.IsWater());
    EXPECT_EQ(mountains.WorkPlaces(), 1000);
    EXPECT_EQ(mountains.OverviewColour(), 0x8C7B6Bu);
    EXPECT_EQ(mountains.TerrainSet(), (1u << 0) | (1u << 6));

    const GameRecord& troll = r[7];
    EXPECT_EQ(troll.RaceNumber(), 10);
    EXPECT_EQ(troll.Int32At(20), 90);
    EXPECT_EQ(troll.Int32At(24), 30);
    EXPECT_EQ(troll.Int32At(28), 10);
    EXPECT_EQ(troll.Int32At(32), 1);
    EXPECT_DOUBLE_EQ(troll.PersonWeight(), 20.0);
    EXPECT_DOUBLE_EQ(troll.PersonCapacity(), 10.8);
    EXPECT_EQ(troll.Int32At(40 + 4 * 3), 2);
    EXPECT_EQ(troll.Int32At(40 + 4 * 13), -2);
    EXPECT_EQ(troll.Description, "Groß und stark."); // continuation lines

    const GameRecord& castle = r[8];
    EXPECT_EQ(castle.BuildingNumber(), 13);
    EXPECT_EQ(castle.Int32At(20 + 4 * 0), 2);
    EXPECT_EQ(castle.Int32At(20 + 4 * 1), 1);
    EXPECT_EQ(castle.Int32At(48 + 4 * 0), 1);
    EXPECT_EQ(castle.Int32At(76 + 4 * 3), 1);
    EXPECT_EQ(castle.Int32At(188), -1);
    EXPECT_EQ(castle.Int32At(192), 10);
    EXPECT_EQ(castle.Int32At(196), -1);

    const GameRecord& learn = r[9];
    EXPECT_EQ(learn.Kind(), KindCommand);
    EXPECT_EQ(learn.Singular, "LERNE <Talent>");
    EXPECT_EQ(learn.Plural, "");
    EXPECT_EQ(learn.Names, "LERNE");
    EXPECT_EQ(learn.Description, "Lernt.");
}

TEST(GameDataSource, AcceptsCrLfAndAByteOrderMark)
{
    const auto r
        = ParseGameDataSource("\xEF\xBB\xBF[talent]\r\nsingular = A\r\nnumber = 1\r\n", "x");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].Singular, "A");
}

TEST(GameDataSource, NamesFileLineAndProblem)
{
    const std::string talent = "[talent]\nsingular = Reiten\nnumber = 13\n";
    EXPECT_EQ(ErrorOf("singular = x\n"), "data.txt:1: value before the first section");
    EXPECT_EQ(ErrorOf("[spell]\n"), "data.txt:1: unknown section [spell]");
    EXPECT_EQ(ErrorOf("[talent\n"), "data.txt:1: section header without ']'");
    EXPECT_EQ(ErrorOf("  stray\n"), "data.txt:1: indented line continues no value");
    EXPECT_EQ(
        ErrorOf(talent + "colour = #000000\n"), "data.txt:4: unknown key 'colour' in [talent]");
    EXPECT_EQ(
        ErrorOf(talent + "number = 3\n"), "data.txt:4: 'number' given twice (first on line 3)");
    EXPECT_EQ(ErrorOf(talent + "oops\n"), "data.txt:4: expected 'key = value'");
    EXPECT_EQ(ErrorOf("[talent]\nsingular = A\n"), "data.txt:1: [talent] without 'number'");
    EXPECT_EQ(
        ErrorOf("[talent]\nsingular = A\nnumber = 28\n"), "data.txt:3: 28 is outside 0 .. 27");
    EXPECT_EQ(
        ErrorOf("[talent]\nsingular = A\nnumber = 1x\n"), "data.txt:3: '1x' is not a whole number");
    EXPECT_EQ(
        ErrorOf("[talent]\nsingular = A\nnumber = \n"), "data.txt:3: '' is not a whole number");
    EXPECT_EQ(ErrorOf("[talent]\nsingular = W\xFCste\nnumber = 1\n"),
        "data.txt:2: the text is not UTF-8");
    EXPECT_EQ(ErrorOf(talent + talent), "data.txt:4: talent number 13 already used on line 1");
    EXPECT_EQ(ErrorOf(talent + "[talent]\nsingular = reiten\nnumber = 1\n"),
        "data.txt:4: name 'reiten' already names the record on line 1");
    EXPECT_EQ(ErrorOf("[talent]\nsingular = A\nnames = A||B\nnumber = 1\n"),
        "data.txt:3: empty name in 'A||B'");
    EXPECT_EQ(ErrorOf("[talent]\nsingular = A~B\nnumber = 1\n"),
        "data.txt:1: '~' in a name never matches (look-ups read it as a blank)");
    EXPECT_EQ(ErrorOf("[talent]\nsingular = " + std::string(65536, 'a') + "\nnumber = 1\n"),
        "data.txt:2: text longer than 65535 bytes");
}

TEST(GameDataSource, ChecksValuesOfEachKind)
{
    const std::string terrain = "[terrain]\nsingular = T\nnumber = 1\npicture = 1\n";
    EXPECT_EQ(ErrorOf(terrain + "colour = #12345\n"),
        "data.txt:5: expected a colour #RRGGBB, not '#12345'");
    EXPECT_EQ(ErrorOf(terrain + "colour = #-12345\n"),
        "data.txt:5: expected a colour #RRGGBB, not '#-12345'");
    EXPECT_EQ(ErrorOf(terrain + "colour = #000000\nwater = ja\n"),
        "data.txt:6: expected 'yes' or 'no', not 'ja'");
    EXPECT_EQ(ErrorOf(terrain + "colour = #000000\ncompatible = Atlantis\n"),
        "data.txt:6: unknown terrain 'Atlantis'");
    EXPECT_EQ(
        ErrorOf("[terrain]\nsingular = T\nnumber = 16\n"), "data.txt:3: 16 is outside 0 .. 15");

    const std::string item = "[item]\nsingular = I\n";
    EXPECT_EQ(ErrorOf(item + "class = material\n"), "data.txt:1: a material item needs 'material'");
    EXPECT_EQ(ErrorOf(item + "class = weapon\nmaterial = 2\n"),
        "data.txt:4: 'material' needs 'class = material'");
    EXPECT_EQ(ErrorOf(item + "class = weapon\nweight = 1/0\n"),
        "data.txt:4: 0 is outside 1 .. 2147483647");

    const std::string race = "[race]\nsingular = R\nnumber = 1\nperson_weight = 1\n"
                             "person_capacity = 1\n";
    EXPECT_EQ(ErrorOf(race + "talents = Kochen 1\n"), "data.txt:6: unknown talent 'Kochen'");
    EXPECT_EQ(ErrorOf(race + "talents = Reiten\n"),
        "data.txt:6: expected '<talent> <number>', not 'Reiten'");
    EXPECT_EQ(ErrorOf("[race]\nsingular = R\nnumber = 1\nperson_weight = 1\n"),
        "data.txt:1: [race] without 'person_capacity'");

    const std::string talent = "[talent]\nsingular = Reiten\nnumber = 13\n";
    const std::string building = "[building]\nsingular = B\nnumber = 1\n";
    EXPECT_EQ(ErrorOf(talent + building + "talents = Reiten 1, reiten 2\n"),
        "data.txt:7: talent 'reiten' given twice");
    EXPECT_EQ(
        ErrorOf(talent + building + "cost = Reiten 1\n"), "data.txt:7: unknown material 'Reiten'");
    EXPECT_EQ(ErrorOf(building + "capacity = none\n"), "data.txt:4: 'none' is not a whole number");
}
