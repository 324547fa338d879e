// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/error.h"
#include "model/building.h"
#include "model/ship.h"
#include "tools/search/search_lists.h"
#include "tools/search/wildcard.h"
#include "tools/unit_fixture.h"

namespace maprune {
namespace {

TEST(WildcardTest, Matches)
{
    const struct {
        const char* Text;
        const char* Pattern;
        bool Fits;
    } cases[] = {
        { "ABC", "a*c", true }, { "abxc", "a*c", true }, { "abcd", "a*c", false },
        { "abc", "*b*", true }, { "abc", "a**c", true }, { "abcd", "a**c", false },
        { "", "", true }, { "x", "", false }, { "", "*", true }, { "abc", "abc", true },
        { "abc", "ab", false }, { "12", "12*", true }, { "120", "12*", true },
        { "1234", "12*", true }, { "312", "12*", false }, { "ab", "a*b*b", false },
        { "WÜSTE", "*wüste", true },
        { "\xDC"
          "ber",
            "\xC3\xBC*", true }, // Windows-1252 text, UTF-8 pattern
    };
    for (const auto& c : cases)
        EXPECT_EQ(Matches(c.Text, c.Pattern), c.Fits) << c.Text << " ~ " << c.Pattern;
}

class SearchListsTest : public ::testing::Test {
protected:
    SearchListsTest()
    {
        world.Report().ActiveParty = 5;
        world.Report().Basis = 10;
        maptest::TestWorld::AddAlly(world.AddParty(5, "Wir"), 9);
    }

    template <typename Item>
    void Add(
        TRegion& region, std::unique_ptr<Item> item, int32_t nr, int32_t party, const char* name)
    {
        item->Nr = nr;
        item->Party = party;
        item->Name = name;
        item->Type_ = "Burg";
        if constexpr (std::is_same_v<Item, TBuilding>)
            region.Buildings->Add(std::move(item));
        else
            region.Ships->Add(std::move(item));
    }

    static std::vector<int32_t> Parties(const std::vector<CategoryLine>& lines)
    {
        std::vector<int32_t> parties;
        for (const CategoryLine& line : lines)
            parties.push_back(line.Party);
        return parties;
    }

    test::UnitGameData data;
    maptest::TestWorld world;
};

TEST_F(SearchListsTest, HitsByPatternInCategoryOrder)
{
    TRegion& west = world.AddRegion(0, 0);
    west.Name = "Westtal";
    west.Terrain = "Ebene";
    TRegion& east = world.AddRegion(1, 0);
    east.Terrain = "Wald";
    const int32_t parties[] = { 120, 9, 5, -1, 12, 1234, 5 };
    for (size_t i = 0; i < std::size(parties); ++i)
        Add(i % 2 == 0 ? west : east, CreateEmpty<TBuilding>(&world.Report()),
            static_cast<int32_t>(i + 1), parties[i], i == 0 ? "Turm" : "Burg");

    // Own, allied, disguised, enemy; inside a category by party number.
    ItemPatterns all;
    all.Nr = "*";
    EXPECT_EQ(Parties(FindBuildings(world.Report(), all)),
        (std::vector<int32_t> { 5, 5, 9, -1, 12, 120, 1234 }));
    EXPECT_EQ(FindBuildings(world.Report(), all).front().Category, PartyCategory::Own);

    const struct {
        ItemPatterns Patterns;
        std::vector<int32_t> Parties;
    } cases[] = {
        { {}, {} }, // an empty number finds nothing
        { { "*", "*", "*", "12*" }, { 12, 120, 1234 } },
        { { "1", "*", "*", "*" }, { 120 } },
        { { "*", "t*", "*", "*" }, { 120 } },
        { { "*", "*", "", "*" }, { 5, 5, 9, -1, 12, 120, 1234 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parties(FindBuildings(world.Report(), c.Patterns)), c.Parties)
            << c.Patterns.Nr << c.Patterns.Name << c.Patterns.Party;

    EXPECT_EQ(FindRegions(world.Report(), {}).size(), 1u); // the region without a name
    EXPECT_EQ(FindRegions(world.Report(), { "*", "eb*" }),
        (std::vector<std::string> { "Ebene von Westtal (0,0)" }));
}

TEST_F(SearchListsTest, RegionOfALine)
{
    TRegion& west = world.AddRegion(0, 0);
    TRegion& east = world.AddRegion(1, 0);
    east.Name = "Osttal";
    Add(west, CreateEmpty<TShip>(&world.Report()), 7, 5, "Kogge");
    Add(east, CreateEmpty<TBuilding>(&world.Report()), 7, 5, "Turm");
    test::AddUnitWith(world, east, 5, 1, "Menschen").Nr = 42;

    EXPECT_EQ(RegionOfShipLine(world.Report(), "Kogge (7), Boot"), &west);
    EXPECT_EQ(RegionOfBuildingLine(world.Report(), "Turm (7), Burg"), &east);
    EXPECT_EQ(RegionOfUnitLine(world.Report(), "Hans (42), 1 Mensch"), &east);
    EXPECT_EQ(RegionOfUnitLine(world.Report(), "Hans (43), 1 Mensch"), nullptr);
    EXPECT_EQ(RegionOfRegionLine(world.Report(), "Osttal (1,0)"), &east);
    try {
        RegionOfBuildingLine(world.Report(), "Turm (8), Burg");
        FAIL() << "no building 8";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "GetRegion: could not find named item 8");
    }
}

} // namespace
} // namespace maprune
