// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map/geographic.h"
#include "map/map_colouring.h"
#include "test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

namespace {

std::vector<std::string> LegendTexts(const MapColouring& colouring)
{
    std::vector<std::string> texts;
    for (const LegendEntry& entry : colouring.Legend())
        texts.push_back(entry.Text);
    return texts;
}

std::vector<std::string> ShareTexts(const TMapState& state, const TRegion& region)
{
    std::vector<std::string> texts;
    for (const auto& share : state.Colours(region).PoliticShares.Shares())
        texts.push_back(share.Name + "=" + std::to_string(share.Count));
    return texts;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(ComputeStatisticColours, ScalesTheLayerAndSkipsRegionsWithoutValue)
{
    TestWorld world;
    TMapState& map = world.Map();
    TRegion& low = world.AddRegion(0, 0);
    TRegion& high = world.AddRegion(1, 0);
    TRegion& unknown = world.AddRegion(2, 0);
    TRegion& other = world.AddRegion(0, 0, 1);
    for (TRegion* r : { &low, &high, &unknown, &other })
        r->FullInfoDate = 1;
    unknown.FullInfoDate = 0;
    low.Peasants->AddValue(1, 0);
    high.Peasants->AddValue(1, 5);
    other.Peasants->AddValue(1, 1'000'000);
    map.Colours(other).MapColor = 0x123456;

    MapColouring colouring;
    colouring.SetStatistic(map, StatisticKind::Peasants);
    EXPECT_EQ(colouring.Mode(), MapMode::Statistic);
    EXPECT_EQ(map.Colours(low).MapColor, 0x404080u);
    EXPECT_EQ(map.Colours(high).MapColor, 0x80FF80u);
    EXPECT_EQ(map.Colours(unknown).MapColor, 0x404040u);
    EXPECT_EQ(map.Colours(other).MapColor, 0x123456u);
    // Steps of 0.25, rounded halves to even: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
    const Strings texts = LegendTexts(colouring);
    ASSERT_EQ(texts.size(), 21u);
    EXPECT_EQ(texts[1], "0");
    EXPECT_EQ(texts[2], "0");
    EXPECT_EQ(texts[6], "2");
    EXPECT_EQ(texts[10], "2");
    EXPECT_EQ(texts[14], "4");
    EXPECT_EQ(texts[20], "5");
    EXPECT_EQ(colouring.Legend()[5].Colour, 0x800000u);
    EXPECT_EQ(colouring.Legend()[20].Colour, 0x80FF80u);
}

TEST(ComputeStatisticColours, EqualValuesAndNoValues)
{
    TestWorld world;
    TMapState& map = world.Map();
    TRegion& a = world.AddRegion(0, 0);
    TRegion& b = world.AddRegion(1, 0);
    a.Laen->AddValue(1, 42);
    b.Laen->AddValue(1, 42);
    MapColouring colouring;
    colouring.SetStatistic(map, StatisticKind::Laen);
    EXPECT_EQ(map.Colours(a).MapColor, 0x404080u);
    EXPECT_EQ(map.Colours(b).MapColor, 0x404080u);
    ASSERT_EQ(colouring.Legend().size(), 21u);
    for (const LegendEntry& entry : colouring.Legend())
        EXPECT_EQ(entry, (LegendEntry { "42", 0x404080 }));

    colouring.SetStatistic(map, StatisticKind::Iron);
    EXPECT_EQ(map.Colours(a).MapColor, 0x404040u);
    EXPECT_EQ(map.Colours(b).MapColor, 0x404040u);
    EXPECT_TRUE(colouring.Legend().empty());

    TestWorld empty;
    colouring.SetStatistic(empty.Map(), StatisticKind::Persons);
    EXPECT_TRUE(colouring.Legend().empty());
}

TEST(ComputeStatisticColours, PersonStatisticsUseTheirFilter)
{
    TestWorld world;
    TReport& report = world.Report();
    TMapState& map = world.Map();
    report.ActiveParty = 1;
    world.AddParty(1, "Wir");
    TRegion& mine = world.AddRegion(0, 0);
    TRegion& theirs = world.AddRegion(1, 0);
    world.AddUnit(mine, 1, 10, 10);
    world.AddUnit(theirs, 2, 10, 10);
    MapColouring colouring;
    colouring.SetStatistic(map, StatisticKind::HostileArmedPersons);
    EXPECT_EQ(map.Colours(mine).MapColor, 0x404080u);
    EXPECT_EQ(map.Colours(theirs).MapColor, 0x80FF80u);
    EXPECT_EQ(colouring.HintSuffix(map, theirs), " - 10 feindliche bewaffnete Personen");
    EXPECT_EQ(colouring.HintSuffix(map, mine), " - 0 feindliche bewaffnete Personen");
}

namespace {

// Parties 1 (own), 2 and 3 with summaries in one region: turn 3 for all,
// turn 5 for 2 and 1.
struct PoliticWorld {
    TestWorld World;
    TRegion* Region;

    PoliticWorld()
    {
        TReport& report = World.Report();
        report.ActiveParty = 1;
        report.Turn = 6;
        World.AddParty(1, "Eins");
        World.AddParty(2, "Zwei");
        World.AddParty(3, "Drei");
        Region = &World.AddRegion(0, 0);
        World.AddPolitic(*Region, 1, 3, 1, 10, 0);
        World.AddPolitic(*Region, 2, 3, 2, 20, 2);
        World.AddPolitic(*Region, 3, 3, 3, 30, 3);
        World.AddPolitic(*Region, 2, 5, 4, 7, -1);
        World.AddPolitic(*Region, 1, 5, 5, 8, 5);
    }
};

} // namespace

TEST(ComputePoliticColours, NewestSummariesNotAfterTheTurn)
{
    PoliticWorld p;
    TReport& report = p.World.Report();
    TMapState& map = p.World.Map();
    MapColouring colouring;
    colouring.ReportLoaded(report);
    EXPECT_EQ(colouring.ShownTurn(), 6);

    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Persons, 5);
    EXPECT_EQ(colouring.Mode(), MapMode::Political);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Eins (1)=8", "Zwei (2)=7" }));

    // At turn 4 the summaries of turn 3 count, but not the own party's.
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Persons, 4);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Drei (3)=30", "Zwei (2)=20" }));
    // Turn 6 shows the newest (5) the same way.
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Persons, 6);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Zwei (2)=7" }));
    // Nothing at or before turn 2.
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Persons, 2);
    EXPECT_TRUE(map.Colours(*p.Region).PoliticShares.Shares().empty());
    EXPECT_EQ(colouring.HintSuffix(map, *p.Region), " - --- undefiniert/unbekannt ---");
}

TEST(ComputePoliticColours, PersonsModeChoosesTheDataLine)
{
    PoliticWorld p;
    TMapState& map = p.World.Map();
    MapColouring colouring;
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Armed, 5);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Eins (1)=5", "Zwei (2)=4" }));
    // Party 2's guards are unknown (-1) and left out.
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Guards, 5);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Eins (1)=5" }));
    // "manuell" reads line 0, which is -1 unless edited.
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Manual, 5);
    EXPECT_TRUE(map.Colours(*p.Region).PoliticShares.Shares().empty());
    (*p.Region->Politic)[3]->Data->SetLine(0, "9");
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Manual, 5);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Zwei (2)=9" }));
}

TEST(ComputePoliticColours, AlliancesFormOneShare)
{
    PoliticWorld p;
    TMapState& map = p.World.Map();
    const AllianceList alliances = { { "Bund", { { "Eins", 1 }, { "Zwei", 2 } } } };
    MapColouring colouring;
    colouring.ComputePoliticColours(map, alliances, true, PersonsMode::Persons, 5);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Bund (1 2)=15" }));
    EXPECT_EQ(map.Colours(*p.Region).PoliticShares.Shares().front().Colour, PartyPalette()[0]);
    EXPECT_EQ(colouring.HintSuffix(map, *p.Region), " - Bund (1 2)");
    EXPECT_EQ(colouring.Legend().front().Text, "Bund (1 2)");

    // Edited alliances take effect once announced.
    const AllianceList split = { { "Bund", { { "Eins", 1 } } } };
    colouring.Recolour(map, split);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Bund (1 2)=15" }));
    colouring.AlliancesChanged();
    colouring.Recolour(map, split);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Bund (1)=8", "Zwei (2)=7" }));
}

TEST(ComputePoliticColours, TenPartiesShowSevenAndNameAll)
{
    TestWorld world;
    TMapState& map = world.Map();
    TRegion& region = world.AddRegion(0, 0);
    for (int party = 1; party <= 10; ++party)
        world.AddPolitic(region, party + 100, 1, 0, party, 0);
    MapColouring colouring;
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Persons, 1);
    ASSERT_EQ(map.Colours(region).PoliticShares.Shares().size(), 10u);
    const PoliticTemplate shown = map.Colours(region).PoliticShares.Template(region.Tag());
    EXPECT_EQ(shown.ShareCount, 7);
    EXPECT_EQ(shown.Fill[0], colouring.Political().PartyColour(110).Colour);
    std::string expected = " - ";
    for (int party = 110; party > 100; --party)
        expected += colouring.Political().PartyColour(party).Text + (party > 101 ? ", " : "");
    EXPECT_EQ(colouring.HintSuffix(map, region), expected);
    EXPECT_EQ(colouring.Political().PartyColour(110).Text, "unbekannte Partei (32)");
}

TEST(MapColouring, ShownTurnRecolourAndCaption)
{
    PoliticWorld p;
    TReport& report = p.World.Report();
    TMapState& map = p.World.Map();
    MapColouring colouring;
    EXPECT_EQ(colouring.Caption(), "");
    colouring.ReportLoaded(report);

    // Outside political mode the turn is only stored.
    colouring.SetShownTurn(map, {}, 15);
    EXPECT_TRUE(map.Colours(*p.Region).PoliticShares.Shares().empty());
    colouring.SetStatistic(map, StatisticKind::Trees);
    EXPECT_EQ(colouring.Caption(), "statistische Karte (Bäume) im März des Jahres 2");

    colouring.ComputePoliticColours(map, {}, true, PersonsMode::Guards, 13);
    EXPECT_EQ(colouring.Caption(),
        "politische Karte (bewachende Personen, nach Bündnissen) im Januar des Jahres 2");
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Persons, 3);
    EXPECT_EQ(
        colouring.Caption(), "politische Karte (Personen, nach Parteien) im März des Jahres 1");
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Drei (3)=30", "Zwei (2)=20", "Eins (1)=10" }));
    colouring.SetShownTurn(map, {}, 5);
    EXPECT_EQ(ShareTexts(map, *p.Region), (Strings { "Eins (1)=8", "Zwei (2)=7" }));
    colouring.SetShownTurn(map, {}, 0);
    EXPECT_EQ(colouring.Caption(), "politische Karte (Personen, nach Parteien)");

    colouring.SetGeographic();
    EXPECT_EQ(colouring.Caption(), "");
    EXPECT_EQ(colouring.HintSuffix(map, *p.Region), "");
}

TEST(MapColouring, RecolourRunsThePassOfTheMode)
{
    TestWorld world;
    TMapState& map = world.Map();
    TRegion& region = world.AddRegion(0, 0);
    region.Iron->AddValue(1, 3);
    MapColouring colouring;
    colouring.Recolour(map, {});
    EXPECT_EQ(map.Colours(region).MapColor, kNoValueColour);
    colouring.SetStatistic(map, StatisticKind::Iron);
    TRegion& added = world.AddRegion(1, 0);
    added.Iron->AddValue(1, 9);
    colouring.Recolour(map, {});
    EXPECT_EQ(map.Colours(region).MapColor, 0x404080u);
    EXPECT_EQ(map.Colours(added).MapColor, 0x80FF80u);
    EXPECT_EQ(colouring.HintSuffix(map, added), " - 9 Eisen");
    TRegion& none = world.AddRegion(2, 0);
    EXPECT_EQ(colouring.HintSuffix(map, none), "");
}

TEST(UpdateOutdated, MarksRegionsWithOlderFullInformation)
{
    TestWorld world;
    TRegion& region = world.AddRegion(0, 0);
    region.SetTag(TagSelected);
    region.FullInfoDate = 4;
    EXPECT_TRUE(UpdateOutdated(region, 5, 0));
    EXPECT_EQ(region.Tag(), TagSelected | TagOutdated);
    EXPECT_FALSE(UpdateOutdated(region, 5, 1));
    EXPECT_EQ(region.Tag(), TagSelected);
    EXPECT_FALSE(UpdateOutdated(region, 4, 0));
    region.FullInfoDate = 0;
    EXPECT_TRUE(UpdateOutdated(region, 1, 0));
}

TEST(MapColouring, TheLegendFollowsEveryModeSwitch)
{
    PoliticWorld p;
    TMapState& map = p.World.Map();
    MapColouring colouring;
    colouring.ReportLoaded(p.World.Report());
    EXPECT_EQ(colouring.LegendHeading(), "geographische Karte: keine Legende");

    colouring.SetStatistic(map, StatisticKind::Laen);
    EXPECT_TRUE(colouring.Legend().empty());
    EXPECT_EQ(colouring.LegendHeading(), "statistische Karte (Laen): keine Werte");
    EXPECT_EQ(colouring.Caption().rfind("statistische Karte (Laen) im ", 0), 0u);
    colouring.SetStatistic(map, StatisticKind::Persons);
    EXPECT_EQ(colouring.Legend().size(), 21u);
    EXPECT_EQ(colouring.LegendHeading(), "statistische Karte (alle Personen)");

    // No scale of the statistic stays behind the other modes.
    colouring.SetGeographic();
    EXPECT_TRUE(colouring.Legend().empty());
    colouring.SetStatistic(map, StatisticKind::Persons);
    colouring.ComputePoliticColours(map, {}, false, PersonsMode::Persons, 3);
    EXPECT_EQ(LegendTexts(colouring), (Strings { "Drei (3)", "Zwei (2)", "Eins (1)" }));
    EXPECT_EQ(colouring.LegendHeading(), "politische Karte (Personen, nach Parteien)");
}

TEST(MapColouring, ChangesColourByTheWeigherAndRecolourWithIt)
{
    TestWorld world;
    TMapState& map = world.Map();
    TRegion& quiet = world.AddRegion(0, 0);
    TRegion& busy = world.AddRegion(1, 0);
    int calls = 0;
    MapColouring colouring;
    colouring.SetChanges(map, [&calls](const TReport& report) {
        ++calls;
        RegionChangeWeights weights { std::vector<ChangeWeight>(report.Regions->Count()), 4, 5 };
        weights.Weights[1] = ChangeWeight::Owner;
        return weights;
    });
    EXPECT_EQ(colouring.Mode(), MapMode::Changes);
    EXPECT_EQ(map.Colours(quiet).MapColor, ChangeWeightColour(ChangeWeight::None));
    EXPECT_EQ(map.Colours(busy).MapColor, ChangeWeightColour(ChangeWeight::Owner));
    EXPECT_EQ(colouring.HintSuffix(map, busy), " - Veränderungen: stärkste Partei");
    EXPECT_EQ(LegendTexts(colouring),
        (Strings { "keine Veränderung", "Werte und Größen", "Kommen und Gehen", "stärkste Partei" }));
    EXPECT_EQ(colouring.LegendHeading(), "Veränderungen von Runde 4 bis 5");
    EXPECT_EQ(colouring.Caption(), "Veränderungen von Runde 4 bis 5");
    colouring.Recolour(map, {});
    EXPECT_EQ(calls, 2);
    colouring.SetChanges(map, [](const TReport&) { return RegionChangeWeights {}; });
    EXPECT_EQ(map.Colours(busy).MapColor, ChangeWeightColour(ChangeWeight::None));
    EXPECT_EQ(colouring.LegendHeading(), "Veränderungen: keine ältere Runde");
}
