// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map/colour_scale.h"
#include "map/statistics.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::MakeTerrain;
using maprune::maptest::TestWorld;

namespace {

int32_t Value(StatisticKind kind, const TRegion& region, const PersonFilter& filter = {})
{
    return Statistic(kind).Getter(region, filter);
}

} // namespace

TEST(StatisticEntries, MenuEntriesNamesAndFilters)
{
    const auto& entries = StatisticEntries();
    ASSERT_EQ(entries.size(), 17u);
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(static_cast<size_t>(entries[i].Kind), i);
    EXPECT_EQ(Statistic(StatisticKind::Peasants).MenuEntry, "&Bauern");
    EXPECT_EQ(Statistic(StatisticKind::Peasants).Name, "Bauern");
    EXPECT_EQ(Statistic(StatisticKind::Mallorn).MenuEntry, "Mallornbäume");
    EXPECT_EQ(Statistic(StatisticKind::Mallorn).Name, "Mallorn");
    EXPECT_EQ(Statistic(StatisticKind::Laen).MenuEntry, "&Laen");
    EXPECT_EQ(Statistic(StatisticKind::FreeWorkPlacesShare).Name, "freie Arbeitsplätze (anteilig)");
    EXPECT_EQ(Statistic(StatisticKind::HostileArmedPersons).Name, "feindliche bewaffnete Personen");
    EXPECT_EQ(Statistic(StatisticKind::HostileArmedPersons).Filter, PartyFilter::Hostile);
    EXPECT_TRUE(Statistic(StatisticKind::HostileArmedPersons).ArmedOnly);
    EXPECT_EQ(Statistic(StatisticKind::AlliedPersons).Filter, PartyFilter::Allied);
    EXPECT_FALSE(Statistic(StatisticKind::AlliedPersons).ArmedOnly);
    EXPECT_EQ(Statistic(StatisticKind::OwnArmedPersons).Filter, PartyFilter::Own);
    EXPECT_EQ(Statistic(StatisticKind::Persons).Filter, PartyFilter::All);
}

TEST(StatisticGetters, RegionValuesNeedFullInformation)
{
    TestWorld world;
    TRegion& region = world.AddRegion(0, 0);
    region.Peasants->AddValue(2, 800);
    region.Peasants->AddValue(3, 900);
    region.Silver->AddValue(3, 12000);
    region.Horses->AddValue(3, 40);
    region.FullInfoDate = 0;
    for (auto kind : { StatisticKind::Peasants, StatisticKind::Silver, StatisticKind::Horses,
             StatisticKind::FreeWorkPlaces, StatisticKind::FreeWorkPlacesShare })
        EXPECT_EQ(Value(kind, region), NoValue) << int(kind);
    region.FullInfoDate = 3;
    EXPECT_EQ(Value(StatisticKind::Peasants, region), 900);
    EXPECT_EQ(Value(StatisticKind::Silver, region), 12000);
    EXPECT_EQ(Value(StatisticKind::Horses, region), 40);
    // Unknown figures of a fully described region are -1.
    TRegion& bare = world.AddRegion(1, 0);
    bare.FullInfoDate = 3;
    EXPECT_EQ(Value(StatisticKind::Horses, bare), -1);
}

TEST(StatisticGetters, TreesMallornIronAndLaen)
{
    TestWorld world;
    TRegion& region = world.AddRegion(0, 0);
    for (auto kind :
        { StatisticKind::Trees, StatisticKind::Mallorn, StatisticKind::Iron, StatisticKind::Laen })
        EXPECT_EQ(Value(kind, region), NoValue) << int(kind);
    region.Trees->AddValue(1, 300);
    region.Iron->AddValue(1, 0);
    region.Laen->AddValue(1, 7);
    region.Mallorn = 0;
    EXPECT_EQ(Value(StatisticKind::Trees, region), 300);
    EXPECT_EQ(Value(StatisticKind::Mallorn, region), 0);
    region.Mallorn = 1;
    EXPECT_EQ(Value(StatisticKind::Trees, region), 0);
    EXPECT_EQ(Value(StatisticKind::Mallorn, region), 300);
    region.Mallorn = -1;
    EXPECT_EQ(Value(StatisticKind::Trees, region), 0);
    EXPECT_EQ(Value(StatisticKind::Mallorn, region), 0);
    EXPECT_EQ(Value(StatisticKind::Iron, region), 0);
    EXPECT_EQ(Value(StatisticKind::Laen, region), 7);
}

TEST(StatisticGetters, FreeWorkPlacesFromTheTerrainCapacity)
{
    const GameRecord plain = MakeTerrain(1000, false);
    const GameRecord small = MakeTerrain(300, false);
    TestWorld world;
    TRegion& region = world.AddRegion(0, 0, 0, &plain);
    region.FullInfoDate = 1;
    region.Trees->AddValue(1, 50);
    region.Peasants->AddValue(1, 100);
    EXPECT_EQ(Value(StatisticKind::FreeWorkPlaces, region), 500);
    EXPECT_EQ(Value(StatisticKind::FreeWorkPlacesShare, region), 50);
    // Overcrowded: negative, the share truncated toward zero.
    region.TerrainType = &small;
    EXPECT_EQ(Value(StatisticKind::FreeWorkPlaces, region), -200);
    EXPECT_EQ(Value(StatisticKind::FreeWorkPlacesShare, region), -66);
    // Huge figures stay within range and clear of NoValue.
    region.Trees->AddValue(2, 2'000'000'000);
    region.Peasants->AddValue(2, 2'000'000'000);
    EXPECT_EQ(Value(StatisticKind::FreeWorkPlaces, region), NoValue + 1);
    EXPECT_EQ(Value(StatisticKind::FreeWorkPlacesShare, region), NoValue + 1);
}

TEST(StatisticGetters, UnknownTerrainHasNoCapacity)
{
    TestWorld world;
    TRegion& region = world.AddRegion(0, 0);
    region.Terrain = "Nirgendland";
    region.FullInfoDate = 1;
    region.Trees->AddValue(1, 10);
    region.Peasants->AddValue(1, 20);
    EXPECT_EQ(Value(StatisticKind::FreeWorkPlaces, region), -100);
    EXPECT_EQ(Value(StatisticKind::FreeWorkPlacesShare, region), NoValue);
}

TEST(PersonCount, EveryPartyFilterWithAndWithoutArms)
{
    TestWorld world;
    TReport& report = world.Report();
    report.ActiveParty = 10;
    TestWorld::AddAlly(world.AddParty(10, "Wir"), 20);
    world.AddParty(30, "Feind");
    TRegion& region = world.AddRegion(0, 0);
    world.AddUnit(region, 10, 5, 2); // own
    world.AddUnit(region, 20, 7, 10); // allied
    world.AddUnit(region, 30, 4, 1); // hostile
    world.AddUnit(region, -1, 3, 3); // disguised: hostile
    world.AddUnit(region, 0, 6, 0); // monsters: hostile
    TRegion& empty = world.AddRegion(1, 0);

    struct Case {
        PartyFilter Filter;
        int32_t Persons;
        int32_t Armed;
    };
    for (const Case& c : { Case { PartyFilter::All, 25, 13 }, Case { PartyFilter::Own, 5, 2 },
             Case { PartyFilter::Allied, 12, 9 }, Case { PartyFilter::Hostile, 13, 4 } }) {
        EXPECT_EQ(PersonCount(region, PersonFilter(report, c.Filter, false)), c.Persons)
            << int(c.Filter);
        EXPECT_EQ(PersonCount(region, PersonFilter(report, c.Filter, true)), c.Armed)
            << int(c.Filter);
        EXPECT_EQ(PersonCount(empty, PersonFilter(report, c.Filter, true)), 0);
    }
}

TEST(PersonCount, OwnPartyWithoutRecordHasNoAllies)
{
    TestWorld world;
    TReport& report = world.Report();
    report.ActiveParty = 10;
    TRegion& region = world.AddRegion(0, 0);
    world.AddUnit(region, 10, 5);
    world.AddUnit(region, 20, 7);
    EXPECT_EQ(PersonCount(region, PersonFilter(report, PartyFilter::Allied, false)), 5);
    EXPECT_EQ(PersonCount(region, PersonFilter(report, PartyFilter::Hostile, false)), 7);
}

TEST(PersonCount, ArmedPersonsAreLimitedByPersonsAndUnknownCountsAreNone)
{
    TestWorld world;
    TReport& report = world.Report();
    TRegion& region = world.AddRegion(0, 0);
    world.AddUnit(region, 1, 10, 4);
    const PersonFilter armed(report, PartyFilter::All, true);
    EXPECT_EQ(PersonCount(region, armed), 4);
    TRegion& few = world.AddRegion(1, 0);
    world.AddUnit(few, 1, 3, 4);
    EXPECT_EQ(PersonCount(few, armed), 3);
    // A unit whose person count is unknown adds nothing.
    world.AddUnit(few, 1, -1, 4);
    EXPECT_EQ(PersonCount(few, armed), 3);
    EXPECT_EQ(PersonCount(few, PersonFilter(report, PartyFilter::All, false)), 3);
}
