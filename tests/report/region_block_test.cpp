// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/game_data.h"
#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using RegionBlockTest = CRTest;

using History = std::vector<THistoryInteger::Entry>;

// A report of turn 10 holding one region with the given value lines and blocks.
std::unique_ptr<ReadOutcome> Region(const std::string& body, const std::string& head = "REGION 1 2")
{
    return ReadText("VERSION 36\n10;Runde\n" + head + "\n" + body);
}

TEST_F(RegionBlockTest, HeadGivesTheCoordinates)
{
    auto two = Region("");
    EXPECT_EQ(FirstRegion(*two).CX, 1);
    EXPECT_EQ(FirstRegion(*two).CY, 2);
    EXPECT_EQ(FirstRegion(*two).CZ, 0);
    auto three = Region("", "REGION 4  -5 2");
    EXPECT_EQ(FirstRegion(*three).CX, 4);
    EXPECT_EQ(FirstRegion(*three).CY, -5);
    EXPECT_EQ(FirstRegion(*three).CZ, 2);
}

TEST_F(RegionBlockTest, KeysFillTheRegion)
{
    auto r = Region("\"Tirana\";Name\n\"Ebene\";Terrain\n\"Weit und flach\";Beschr\n"
                    "5000;Bauern\n30;Pferde\n100;Baeume\n1000;Silber\n2;Laen\n3;Eisen\n12;Lohn\n"
                    "50;Strasse\n7;Mallorn\n5;Auswahl\n");
    ASSERT_NE(r->Report, nullptr);
    const TRegion& region = FirstRegion(*r);
    EXPECT_EQ(region.Name, "Tirana");
    EXPECT_EQ(region.Terrain, "Ebene");
    EXPECT_EQ(region.Descr, "Weit und flach");
    EXPECT_EQ(region.Peasants->History(), (History{{10, 5000}}));
    EXPECT_EQ(region.Horses->History(), (History{{10, 30}}));
    EXPECT_EQ(region.Trees->History(), (History{{10, 100}}));
    EXPECT_EQ(region.Silver->History(), (History{{10, 1000}}));
    EXPECT_EQ(region.Laen->History(), (History{{10, 2}}));
    EXPECT_EQ(region.Iron->History(), (History{{10, 3}}));
    EXPECT_EQ(region.Wages->History(), (History{{10, 12}}));
    EXPECT_EQ(region.Street->History(), (History{{10, 50}}));
    EXPECT_EQ(region.Mallorn, 7);
    EXPECT_EQ(region.Tag(), 5);
    EXPECT_EQ(region.Bitmap_, 1);
    EXPECT_EQ(region.ReadTurn, 10);
    EXPECT_TRUE(r->Warnings.empty());
}

// What a report leaves out is read as empty and takes no object: a region
// without units, values or minerals, a unit without orders or items, a ship
// without load.
TEST_F(RegionBlockTest, ReadingMakesNoObjectForWhatTheReportLeavesOut)
{
    auto r = ReadText("VERSION 36\n10;Runde\nREGION 1 2\n\"Ebene\";Terrain\n"
                      "REGION 2 2\n\"Berge\";Terrain\nEINHEIT 7\n1;Partei\n3;Anzahl\n"
                      "SCHIFF 9\n\"Boot\";Typ\n");
    ASSERT_NE(r->Report, nullptr);
    const TRegion& empty = *(*r->Report->Regions)[0];
    const TRegion& inhabited = *(*r->Report->Regions)[1];
    const TUnit& unit = *(*inhabited.Units)[0];
    const TShip& ship = *(*inhabited.Ships)[0];
    const std::vector<std::pair<const char*, const void*>> unmade {
        { "units", empty.Units.Held() },
        { "summaries", empty.Politic.Held() },
        { "wages", empty.Wages.Held() },
        { "silver", empty.Silver.Held() },
        { "peasants", empty.Peasants.Held() },
        { "iron", inhabited.Iron.Held() },
        { "laen", inhabited.Laen.Held() },
        { "orders", unit.Commands.Held() },
        { "items", unit.Items.Held() },
        { "cargo", ship.Cargo.Held() },
        { "capacity", ship.Capacity.Held() },
    };
    for (const auto& [what, held] : unmade)
        EXPECT_EQ(held, nullptr) << what;
    EXPECT_EQ(unit.Weapons, 0);
    EXPECT_EQ(unit.Silver->CurrentValue(), 0);
    EXPECT_EQ(inhabited.Politic->Count(), 1u);
}

TEST_F(RegionBlockTest, TerrainNamesAndTypes)
{
    EXPECT_EQ(FirstRegion(*Region("\"W\xFCste\";Terrain\n")).Terrain, "Wueste");
    EXPECT_EQ(FirstRegion(*Region("\"Wüste\";Terrain\n")).Terrain, "Wueste");
    auto mountains = Region("\"Berge\";Terrain\n");
    EXPECT_EQ(FirstRegion(*mountains).Bitmap_, 6);
    EXPECT_TRUE(FirstRegion(*mountains).TerrainType->CanHoldIron());
    auto unknown = Region("\"Mondlandschaft\";Terrain\n");
    EXPECT_EQ(FirstRegion(*unknown).Bitmap_, 0) << "an unknown name becomes a terrain of its own";
    auto talentName = Region("\"Bergbau\";Terrain\n");
    EXPECT_EQ(FirstRegion(*talentName).Bitmap_, 8) << "a name of another kind falls back to type 8";
}

TEST_F(RegionBlockTest, TurnTagsGiveTurnAndInfoDates)
{
    auto withWages = Region("10;Runde\n7;Runde\n12;Lohn\n");
    const TRegion& a = FirstRegion(*withWages);
    EXPECT_EQ(a.Turn, 7);
    EXPECT_EQ(a.InfoDate, 10);
    EXPECT_EQ(a.FullInfoDate, 7);
    EXPECT_EQ(a.Wages->History(), (History{{7, 12}})) << "dated with the turn of the moment";

    auto withoutWages = Region("10;Runde\n7;Runde\n");
    EXPECT_EQ(FirstRegion(*withoutWages).FullInfoDate, 0);
    EXPECT_EQ(FirstRegion(*withoutWages).InfoDate, 10);

    auto risingTags = Region("4;Runde\n6;Runde\n12;Lohn\n");
    EXPECT_EQ(FirstRegion(*risingTags).Turn, 4) << "a later, greater tag leaves the turn";
    EXPECT_EQ(FirstRegion(*risingTags).InfoDate, 6);
    EXPECT_EQ(FirstRegion(*risingTags).FullInfoDate, 4);

    auto oneTag = Region("8;Runde\n12;Lohn\n");
    EXPECT_EQ(FirstRegion(*oneTag).InfoDate, 8);
    EXPECT_EQ(FirstRegion(*oneTag).FullInfoDate, 8);

    auto noTag = Region("12;Lohn\n3;InfoDatum\n3;InfoDatum2\n");
    EXPECT_EQ(FirstRegion(*noTag).InfoDate, 10) << "the info date keys are replaced";
    EXPECT_EQ(FirstRegion(*noTag).FullInfoDate, 10);
}

TEST_F(RegionBlockTest, ThirdTurnTagWarnsAndIsNotUsed)
{
    auto r = Region("9;Runde\n8;Runde\n2;Runde\n1;Runde\n");
    EXPECT_EQ(FirstRegion(*r).Turn, 8);
    EXPECT_EQ(r->WarningTexts(),
              (std::vector<std::string>(2, "REGION: Zu viele ;Runde-Tags: maximal 2 pro Region erlaubt")));
}

TEST_F(RegionBlockTest, FullDescriptionRecordsMissingValuesAsZero)
{
    auto plain = Region("\"Ebene\";Terrain\n12;Lohn\n");
    const TRegion& p = FirstRegion(*plain);
    for (const THistoryInteger* h : { &*p.Peasants, &*p.Horses, &*p.Street, &*p.Trees })
        EXPECT_EQ(h->History(), (History{{10, 0}}));
    EXPECT_EQ(p.Iron->History(), (History{{10, 0}})) << "a plain cannot hold iron";
    EXPECT_EQ(p.Laen->History(), (History{{10, 0}}));
    EXPECT_EQ(p.Silver->HistoryCount(), 0);

    auto mountains = Region("\"Berge\";Terrain\n12;Lohn\n");
    EXPECT_EQ(FirstRegion(*mountains).Iron->HistoryCount(), 0) << "unknown where iron may be";
    EXPECT_EQ(FirstRegion(*mountains).Laen->HistoryCount(), 0);

    auto seen = Region("\"Ebene\";Terrain\n12;Lohn\n300;Bauern\n");
    EXPECT_EQ(FirstRegion(*seen).Peasants->History(), (History{{10, 300}}));

    auto glimpse = Region("\"Ebene\";Terrain\n");
    EXPECT_EQ(FirstRegion(*glimpse).Peasants->HistoryCount(), 0) << "no wages, no full description";
}

TEST_F(RegionBlockTest, EntertainmentAndRecruitsFollowSilverAndPeasants)
{
    auto r = Region("1000;Silber\n99;Unterh\n4019;Bauern\n1;Rekruten\n");
    EXPECT_EQ(FirstRegion(*r).Entertainment, 50);
    EXPECT_EQ(FirstRegion(*r).Recrutees, 200);
    auto none = Region("99;Unterh\n1;Rekruten\n");
    EXPECT_EQ(FirstRegion(*none).Entertainment, -1);
    EXPECT_EQ(FirstRegion(*none).Recrutees, -1);
}

TEST_F(RegionBlockTest, SubBlocksFillTheRegion)
{
    auto r = Region("\"Ebene\";Terrain\n"
                    "PREISE\n25;Balsam\n-5;Seide\n"
                    "REGIONSEREIGNISSE\n\"Ein Fest\"\n"
                    "REGIONSBOTSCHAFTEN\n\"Hallo\"\n"
                    "UMGEBUNG\n\"Im Norden Berge\"\n"
                    "DURCHREISE\n\"Boten (12)\"\n"
                    "REGIONSKOMMENTAR\n\"Mein Notizzettel\"\n"
                    "BURG 3\n\"Burg\";Typ\n"
                    "SCHIFF 4\n\"Boot\";Typ\n"
                    "EINHEIT 5\n\"Hans\";Name\n"
                    "PREISE\n30;Balsam\n");
    ASSERT_NE(r->Report, nullptr);
    const TRegion& region = FirstRegion(*r);
    EXPECT_EQ(region.Prices->Entries, (std::vector<TPrice>{{30, "Balsam"}})) << "the second block wins";
    EXPECT_EQ(region.Events->Lines(), (std::vector<std::string>{"Ein Fest"}));
    EXPECT_EQ(region.Messages->Lines(), (std::vector<std::string>{"Hallo"}));
    EXPECT_EQ(region.Surrounding->Lines(), (std::vector<std::string>{"Im Norden Berge"}));
    EXPECT_EQ(region.Passthrough->Lines(), (std::vector<std::string>{"Boten (12)"}));
    EXPECT_EQ(region.Comment->Lines(), (std::vector<std::string>{"Mein Notizzettel"}));
    EXPECT_EQ(region.Buildings->Count(), 1u);
    EXPECT_EQ(region.Ships->Count(), 1u);
    EXPECT_EQ(region.Units->Count(), 1u);
    EXPECT_EQ(region.Prices->Owner(), r->Report.get());
    EXPECT_TRUE(r->Warnings.empty());
}

TEST_F(RegionBlockTest, UnknownKeysAndBlocksWarn)
{
    auto r = Region("\"x\";Farbe\nWETTER\n\"Regen\"\n1;Wind\nREGION 2 2\n");
    ASSERT_NE(r->Report, nullptr);
    EXPECT_EQ(r->Report->Regions->Count(), 2u) << "the known head ends the region";
    EXPECT_EQ(r->WarningTexts(),
              (std::vector<std::string>{"unknown value for region: Farbe",
                                        "kein Kommentar erwartet ab dieser Stelle",
                                        "unknown block: WETTER"}));
    EXPECT_EQ(r->Warnings[2].Line, 8) << "the skipped block ends at the next head";
}

TEST_F(RegionBlockTest, PoliticalSummaryPerParty)
{
    auto r = Region("EINHEIT 1\n7;Partei\n10;Anzahl\n1;bewacht\nGEGENSTAENDE\n4;Schwert\n"
                    "EINHEIT 2\n7;Partei\n5;Anzahl\nGEGENSTAENDE\n9;Bogen\n"
                    "EINHEIT 3\n8;Partei\n0;Anzahl\n");
    ASSERT_NE(r->Report, nullptr);
    const TRegion& region = FirstRegion(*r);
    ASSERT_EQ(region.Politic->Count(), 2u);
    const TPoliticInfo& seven = *(*region.Politic)[0];
    EXPECT_EQ(seven.Party, 7);
    EXPECT_EQ(seven.Turn, 10);
    EXPECT_EQ(seven.RTurn, 10);
    EXPECT_EQ(seven.Data->Lines(), (std::vector<std::string>{"-1", "9", "15", "10"}));
    const TPoliticInfo& eight = *(*region.Politic)[1];
    EXPECT_EQ(eight.Party, 8);
    EXPECT_EQ(eight.RTurn, -1) << "no persons, nothing observed";
    EXPECT_EQ(eight.Data->Lines(), (std::vector<std::string>(4, "-1")));
}

// While a report is read its active party is still unknown (-1), so the
// talent rules see the units that carry no party number.
TEST_F(RegionBlockTest, TalentsOfTheActivePartyRevealResources)
{
    auto miners = Region("\"Berge\";Terrain\nEINHEIT 1\nTALENTE\n\"900 7\";Bergbau\n\"90 2\";Holzfaellen\n");
    const TRegion& m = FirstRegion(*miners);
    EXPECT_EQ(m.Laen->History(), (History{{10, 0}}));
    EXPECT_EQ(m.Iron->History(), (History{{10, 0}}));
    EXPECT_EQ(m.Mallorn, 0);

    auto apprentices = Region("\"Berge\";Terrain\nEINHEIT 1\nTALENTE\n\"300 4\";Bergbau\n\"30 1\";Holzfällen\n");
    const TRegion& a = FirstRegion(*apprentices);
    EXPECT_EQ(a.Laen->HistoryCount(), 0);
    EXPECT_EQ(a.Iron->History(), (History{{10, 0}}));
    EXPECT_EQ(a.Mallorn, -1);

    auto found = Region("\"Berge\";Terrain\n5;Eisen\n3;Mallorn\nEINHEIT 1\nTALENTE\n\"900 7\";Bergbau\n\"90 2\";Holzfällen\n");
    EXPECT_EQ(FirstRegion(*found).Iron->History(), (History{{10, 5}}));
    EXPECT_EQ(FirstRegion(*found).Mallorn, 3);

    auto foreign = Region("\"Berge\";Terrain\nEINHEIT 1\n7;Partei\nTALENTE\n\"900 7\";Bergbau\n");
    EXPECT_EQ(FirstRegion(*foreign).Iron->HistoryCount(), 0);
}

TEST_F(RegionBlockTest, ARepeatedRegionIsReadOnceWithAWarning)
{
    std::string repeats;
    for (int i = 0; i < 20000; ++i)
        repeats += "REGION 5 5\n";
    auto r = ReadText("VERSION 36\n10;Runde\nREGION 5 5\n\"Erste\";Name\nREGION 5 5 1\n"
                      "REGION 5 5\n\"Zweite\";Name\n"
        + repeats);
    ASSERT_NE(r->Report, nullptr);
    EXPECT_EQ(r->Report->Regions->Count(), 2u) << "5,5 and 5,5,1";
    EXPECT_EQ(FirstRegion(*r).Name, "Erste");
    const std::vector<std::string> warnings = r->WarningTexts();
    ASSERT_FALSE(warnings.empty());
    EXPECT_EQ(warnings.front(),
        "REGION 5 5 0 kommt im Report mehrfach vor; nur ihre erste Beschreibung wird gelesen");
}

} // namespace
} // namespace maprune::test
