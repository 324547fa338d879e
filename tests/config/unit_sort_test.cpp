// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/unit_sort_criteria.h"
#include "config/unit_sort_lists.h"
#include "config/unit_sort_options.h"
#include "core/error.h"

using namespace maprune;

namespace {

const std::string kOwnFirst
    = "nach Allianzstatus (eigene - verbündete - getarnte - feindliche Einheiten)";
const std::string kEnemyFirst
    = "nach Allianzstatus (feindliche - getarnte - verbündete - eigene Einheiten)";
const std::string kSize = "nach Einheitengröße (absteigend)";
const std::string kTalentName = "nach Name des besten Talents (aufsteigend)";
const std::string kParty = "nach Parteinummer (aufsteigend)";
const std::string kTalentValue = "nach Wert des besten Talents (absteigend)";
const std::string kUnitName = "nach Name der Einheit (aufsteigend)";

using Names = std::vector<std::string>;

TEST(UnitSortCriteria, ProgramRegistersTheSevenInOrder)
{
    const UnitSortCriteria criteria = ProgramUnitSortCriteria();
    EXPECT_EQ(criteria.Names(),
        (Names { kOwnFirst, kEnemyFirst, kSize, kTalentName, kParty, kTalentValue, kUnitName }));
    EXPECT_EQ(criteria.Find("NACH PARTEINUMMER (AUFSTEIGEND)"), 4u);
    EXPECT_FALSE(criteria.Find("nach Parteinummer"));

    UnitSortCriteria copy = criteria;
    EXPECT_THROW(copy.Register(kSize), Error);
}

TEST(UnitSortOptions, ParsesNamesInOrderAndSkipsUnknownOrRepeatedOnes)
{
    const UnitSortCriteria criteria = ProgramUnitSortCriteria();
    using Order = std::vector<std::size_t>;
    EXPECT_EQ(ParseUnitSortOptions(kParty + "|" + kUnitName, criteria), (Order { 4, 6 }));
    EXPECT_EQ(ParseUnitSortOptions("nach Farbe|" + kUnitName + "||" + kParty + "|" + kUnitName
                      + "|nach Parteinummer",
                  criteria),
        (Order { 6, 4 }));
    EXPECT_EQ(ParseUnitSortOptions("", criteria), Order {});
    EXPECT_EQ(ParseUnitSortOptions("|||", criteria), Order {});
    EXPECT_EQ(ParseUnitSortOptions(std::string("\xFF\0|", 3), criteria), Order {});

    EXPECT_EQ(FormatUnitSortOptions({ 4, 6 }, criteria), kParty + "|" + kUnitName);
    EXPECT_EQ(FormatUnitSortOptions({}, criteria), "");
}

TEST(UnitSortLists, ExampleOptionsPutTheTwoCriteriaRightInThatOrder)
{
    const UnitSortLists lists(ProgramUnitSortCriteria(), kParty + "|" + kUnitName);
    EXPECT_EQ(lists.Chosen(), (Names { kParty, kUnitName }));
    EXPECT_EQ(
        lists.Available(), (Names { kOwnFirst, kEnemyFirst, kSize, kTalentName, kTalentValue }));
    EXPECT_EQ(lists.Options(), kParty + "|" + kUnitName);
}

TEST(UnitSortLists, AvailableListStaysAlphabeticalIgnoringCase)
{
    UnitSortCriteria criteria;
    for (const char* name : { "beta", "Alpha", "gamma", "Delta" })
        criteria.Register(name);
    UnitSortLists lists(criteria, "gamma|Alpha");
    EXPECT_EQ(lists.Available(), (Names { "beta", "Delta" }));
    EXPECT_TRUE(lists.Unchoose(1));
    EXPECT_EQ(lists.Available(), (Names { "Alpha", "beta", "Delta" }));
    lists.UnchooseAll();
    EXPECT_EQ(lists.Available(), (Names { "Alpha", "beta", "Delta", "gamma" }));
    EXPECT_TRUE(lists.Chosen().empty());
    EXPECT_EQ(lists.Options(), "");
}

TEST(UnitSortLists, MovesKeepEveryCriterionInExactlyOneList)
{
    UnitSortLists lists(ProgramUnitSortCriteria(), "");
    EXPECT_EQ(lists.Available().size(), 7u);
    EXPECT_TRUE(lists.Choose(6));
    EXPECT_TRUE(lists.Choose(0));
    EXPECT_TRUE(lists.Choose(0));
    EXPECT_EQ(lists.Chosen(), (Names { kTalentValue, kOwnFirst, kEnemyFirst }));
    EXPECT_TRUE(lists.MoveUp(2));
    EXPECT_EQ(lists.Chosen(), (Names { kTalentValue, kEnemyFirst, kOwnFirst }));
    EXPECT_TRUE(lists.MoveDown(0));
    EXPECT_EQ(lists.Chosen(), (Names { kEnemyFirst, kTalentValue, kOwnFirst }));

    EXPECT_FALSE(lists.MoveUp(0));
    EXPECT_FALSE(lists.MoveDown(2));
    EXPECT_FALSE(lists.MoveUp(3));
    EXPECT_FALSE(lists.Choose(4));
    EXPECT_FALSE(lists.Unchoose(3));
    EXPECT_EQ(lists.Chosen().size() + lists.Available().size(), 7u);
}

TEST(UnitSortLists, StandardIsOwnAllianceFirstThenBestTalentName)
{
    UnitSortLists lists(ProgramUnitSortCriteria(), kParty + "|" + kSize);
    lists.Standard();
    EXPECT_EQ(lists.Chosen(), (Names { kOwnFirst, kTalentName }));
    EXPECT_EQ(lists.Options(), kOwnFirst + "|" + kTalentName);
}

} // namespace
