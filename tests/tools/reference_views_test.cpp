// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/error.h"
#include "model/game_data.h"
#include "model/game_data_fixtures.h"
#include "tools/reference/item_table.h"
#include "tools/reference/reference_views.h"

namespace maprune {
namespace {

using test::MakeRecord;

GameRecord Talent(const std::string& name, uint8_t number)
{
    GameRecord r = MakeRecord(KindTalent, name, name, name);
    r.SetByte(24, number);
    return r;
}

GameRecord Material(const std::string& one, const std::string& many, uint8_t number)
{
    GameRecord r = MakeRecord(KindItem, one, many, one);
    r.SetByte(288, 3);
    r.SetByte(289, number);
    return r;
}

class ReferenceViewsTest : public ::testing::Test {
protected:
    ReferenceViewsTest()
    {
        GameRecord elves = MakeRecord(KindRace, "Elf", "Elfen", "Elf|Elfen");
        elves.SetInt32(20, 130);
        elves.SetInt32(24, 18);
        elves.SetInt32(28, 5);
        elves.SetInt32(32, 1);
        elves.SetInt32(40 + 4 * 1, 2); // Bogenschießen
        elves.SetInt32(40 + 4 * 9, -1); // no talent 9 in the data
        elves.Description = "Waldbewohner.";
        GameRecord tower = MakeRecord(KindBuilding, "Turm", "Türme", "Turm");
        tower.SetInt32(20, 1);
        tower.SetInt32(24, 2);
        tower.SetInt32(76 + 4 * 1, 3);
        tower.SetInt32(188, -1);
        tower.SetInt32(192, 10);
        tower.SetInt32(196, -1);
        GameRecord command = MakeRecord(KindCommand, "LERNE <Talent>", "", "LERNE");
        command.Description = "Lernt ein Talent.";
        SetGameData(std::make_unique<GameData>(std::vector<GameRecord> { elves,
            MakeRecord(KindRace, "Zwerg", "Zwerge", "Zwerg"), Talent("Bogenschießen", 1),
            Material("Stein", "Steine", 0), Material("Eisen", "Eisenbarren", 1), tower, command }));
    }
    ~ReferenceViewsTest() override { SetGameData(nullptr); }

    GameData& Data() { return GameDataInstance(); }
    const GameRecord& Record(ReferenceKind kind, size_t index)
    {
        return Data().Record(ReferenceEntries(Data(), kind).at(index).Record);
    }
};

TEST_F(ReferenceViewsTest, EntriesOfEachKind)
{
    const struct {
        ReferenceKind Kind;
        std::vector<std::string> Texts;
    } cases[] = { { ReferenceKind::Races, { "Elfen", "Zwerge" } },
        { ReferenceKind::Talents, { "Bogenschießen" } }, { ReferenceKind::Commands, { "LERNE" } },
        { ReferenceKind::Buildings, { "Turm" } } };
    for (const auto& c : cases) {
        std::vector<std::string> texts;
        for (const ReferenceEntry& entry : ReferenceEntries(Data(), c.Kind))
            texts.push_back(entry.Text);
        EXPECT_EQ(texts, c.Texts);
    }
    const CommandView command = ViewOfCommand(Record(ReferenceKind::Commands, 0));
    EXPECT_EQ(command.Syntax, "LERNE <Talent>");
    EXPECT_EQ(command.Description, "Lernt ein Talent.");
}

TEST_F(ReferenceViewsTest, RaceValuesAndModifiers)
{
    const RaceView elves = ViewOfRace(Data(), Record(ReferenceKind::Races, 0));
    EXPECT_EQ(std::vector<std::string>({ elves.HitPoints, elves.NaturalArmour,
                  elves.MagicResistance, elves.RecruitingCost, elves.Description }),
        std::vector<std::string>({ "18", "1", "5", "130", "Waldbewohner." }));
    EXPECT_EQ(elves.Modifiers,
        (std::vector<std::string> { "Bogenschießen: 2", "unbekanntes Talent (9): -1" }));
    EXPECT_TRUE(ViewOfRace(Data(), Record(ReferenceKind::Races, 1)).Modifiers.empty());
}

TEST_F(ReferenceViewsTest, BuildingListsAndLimits)
{
    const BuildingView tower = ViewOfBuilding(Data(), Record(ReferenceKind::Buildings, 0));
    EXPECT_EQ(tower.Costs, "1 Stein, 2 Eisenbarren");
    EXPECT_EQ(tower.Upkeep, "nichts");
    EXPECT_EQ(tower.Talents, "Bogenschießen 3");
    EXPECT_EQ(tower.SizeLimit, "keine");
    EXPECT_EQ(tower.MinimumSize, "10");
    EXPECT_EQ(tower.Capacity, "entsprechend Größe");

    GameRecord unknown = Record(ReferenceKind::Buildings, 0);
    unknown.SetInt32(48 + 4 * 6, 1);
    EXPECT_THROW(
        {
            try {
                ViewOfBuilding(Data(), unknown);
            } catch (const Error& error) {
                EXPECT_STREQ(error.what(), "material type 6 not found");
                throw;
            }
        },
        Error);
}

TEST_F(ReferenceViewsTest, ItemRowsByClass)
{
    std::vector<std::string> all;
    for (const ItemRow& row : ItemRows(Data(), -1))
        all.push_back(row.Name + " " + row.ClassName);
    EXPECT_EQ(all, (std::vector<std::string> { "Stein Material", "Eisen Material" }));
    EXPECT_TRUE(ItemRows(Data(), 0).empty());
    EXPECT_EQ(ItemClassName(0), "Waffe");
    EXPECT_EQ(ItemClassName(42), "Klasse 42");
}

} // namespace
} // namespace maprune
