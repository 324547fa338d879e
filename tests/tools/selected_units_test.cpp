// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "map/test_world.h"
#include "tools/selected_units.h"

using namespace maprune;
using maprune::maptest::TestWorld;

namespace {

// The own party is 5 and lists 9 and 3 as allies; regions lie on two layers.
class SelectedUnitsTest : public ::testing::Test {
protected:
    SelectedUnitsTest()
    {
        world.Report().ActiveParty = 5;
        TParty& own = world.AddParty(5, "Wir");
        TestWorld::AddAlly(own, 9);
        TestWorld::AddAlly(own, 3);
        world.AddParty(9, "Freunde");
        world.AddParty(7, "Fremde");
    }

    TUnit& Unit(TRegion& region, int32_t party, const std::string& name)
    {
        TUnit& unit = world.AddUnit(region, party, 1);
        unit.Name = name;
        unit.Nr = ++nextNr;
        return unit;
    }

    static void Select(TRegion& region) { region.SetTagSilently(region.Tag() | TagSelected); }

    // The unit names of the lines, each with its group's letter.
    static std::vector<std::string> Names(const std::vector<CategoryLine>& lines)
    {
        std::vector<std::string> names;
        for (const CategoryLine& line : lines) {
            static const char kLetters[] = "XHAO"; // by PartyCategory
            names.push_back(std::string(1, kLetters[static_cast<int>(line.Category)]) + ":"
                + line.Text.substr(0, line.Text.find(" (")));
        }
        return names;
    }

    TestWorld world;
    int32_t nextNr = 0;
};

} // namespace

TEST_F(SelectedUnitsTest, UnitsOfSelectedRegionsOfAllLayersComeGroupedThenByParty)
{
    TRegion& first = world.AddRegion(0, 0, 0);
    TRegion& unselected = world.AddRegion(1, 0, 0);
    TRegion& below = world.AddRegion(0, 0, 1);
    Unit(first, 7, "fremd7a");
    Unit(first, -1, "getarnt");
    Unit(first, 9, "freund9a");
    Unit(first, 5, "eigen1");
    Unit(first, 2, "fremd2");
    Unit(unselected, 5, "nicht gewählt");
    Unit(below, 3, "freund3");
    Unit(below, 5, "eigen2");
    Unit(below, 7, "fremd7b");
    Unit(below, 9, "freund9b");
    Unit(below, 0, "monster");
    Unit(first, 5, "eigen3"); // later in its region than the others there
    Select(first);
    Select(below);

    const std::vector<CategoryLine> lines = SelectedUnitLines(world.Report(), 0);
    EXPECT_EQ(Names(lines),
        (std::vector<std::string> { "O:eigen1", "O:eigen3", "O:eigen2", "A:freund3", "A:freund9a",
            "A:freund9b", "H:getarnt", "X:monster", "X:fremd2", "X:fremd7a", "X:fremd7b" }));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[4].Party, 9);
    EXPECT_TRUE(lines[4].Text.starts_with("freund9a (3), Freunde (9), 1 ")) << lines[4].Text;
}

TEST_F(SelectedUnitsTest, LinesFollowTheDisplayOptions)
{
    TRegion& region = world.AddRegion(0, 0);
    Unit(region, 5, "eigen").Descr = "Kommentar";
    Select(region);
    EXPECT_EQ(SelectedUnitLines(world.Report(), 0)[0].Text.find("Kommentar"), std::string::npos);
    EXPECT_NE(SelectedUnitLines(world.Report(), ShowComments)[0].Text.find("Kommentar"),
        std::string::npos);
}

TEST_F(SelectedUnitsTest, WithoutARecordOfTheOwnPartyNoPartyIsAllied)
{
    world.Report().ActiveParty = 6;
    TRegion& region = world.AddRegion(0, 0);
    Unit(region, 9, "freund");
    Unit(region, 6, "eigen");
    Unit(region, -1, "getarnt");
    Select(region);
    EXPECT_EQ(Names(SelectedUnitLines(world.Report(), 0)),
        (std::vector<std::string> { "O:eigen", "H:getarnt", "X:freund" }));
    EXPECT_EQ(PartyCategoryOf(world.Report(), 9), PartyCategory::Enemy);
    EXPECT_TRUE(SelectedUnitLines(TestWorld().Report(), 0).empty());
}
