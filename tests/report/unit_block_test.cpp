// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using UnitBlockTest = CRTest;
using History = std::vector<THistoryInteger::Entry>;

std::unique_ptr<ReadOutcome> InRegion(const std::string& blocks)
{
    return ReadText("VERSION 36\n6;Runde\nREGION 0 0\n\"Ebene\";Terrain\n" + blocks);
}

const TUnit& FirstUnit(ReadOutcome& r)
{
    return *(*FirstRegion(r).Units)[0];
}

TEST_F(UnitBlockTest, KeysFillTheUnit)
{
    auto r = InRegion("EINHEIT 4711\n\"Hans\";Name\n\"Ein Bauer\";Beschr\n7;Partei\n\"Mensch\";Typ\n"
                      "\"Elf\";wahrerTyp\n2;Kampfstatus\n3;Tarnung\n1;Parteitarnung\n5;Anzahl\n"
                      "1;bewacht\n12;belagert\n33;Burg\n44;Schiff\n\"geheim\";privat\n"
                      "\"ARBEITEN\";Default\n\"verwundet\";hp\n");
    ASSERT_NE(r->Report, nullptr);
    const TUnit& u = FirstUnit(*r);
    EXPECT_EQ(u.Nr, 4711);
    EXPECT_EQ(u.Name, "Hans");
    EXPECT_EQ(u.Descr, "Ein Bauer");
    EXPECT_EQ(u.Party, 7);
    EXPECT_EQ(u.Type_, "Mensch");
    EXPECT_EQ(u.TrueType, "Elf");
    EXPECT_EQ(u.FightState, 2);
    EXPECT_EQ(u.Cloak, 3);
    EXPECT_EQ(u.CloakParty, 1);
    EXPECT_EQ(u.Count->History(), (History{{6, 5}}));
    EXPECT_EQ(u.Observes, 1);
    EXPECT_EQ(u.Besiege, 12);
    EXPECT_EQ(u.Building, 33);
    EXPECT_EQ(u.Ship, 44);
    EXPECT_EQ(u.Private_, "geheim");
    EXPECT_EQ(u.Default_, "ARBEITEN");
    EXPECT_EQ(u.HitPoints, "verwundet");
    EXPECT_TRUE(r->Warnings.empty());
}

TEST_F(UnitBlockTest, CountAndSilverDefaults)
{
    auto r = InRegion("EINHEIT 1\n0;Burg\n0;Schiff\n");
    const TUnit& u = FirstUnit(*r);
    EXPECT_EQ(u.Count->History(), (History{{6, 1}}));
    EXPECT_EQ(u.Silver->History(), (History{{6, 0}}));
    EXPECT_TRUE(u.Items->Entries.empty()) << "no silver, no silver item";
    EXPECT_EQ(u.Building, -1);
    EXPECT_EQ(u.Ship, -1);
    EXPECT_EQ(u.HitPoints, "gesund");
    EXPECT_EQ(u.Weapons, 0);
}

TEST_F(UnitBlockTest, SilverBecomesAnItem)
{
    auto alone = InRegion("EINHEIT 1\n250;Silber\n");
    EXPECT_EQ(FirstUnit(*alone).Items->Entries, (std::vector<TItem>{{"Silber", 250}}));
    auto after = InRegion("EINHEIT 1\n250;Silber\nGEGENSTAENDE\n3;Schwert\n");
    EXPECT_EQ(FirstUnit(*after).Items->Entries, (std::vector<TItem>{{"Schwert", 3}, {"Silber", 250}}));
}

TEST_F(UnitBlockTest, WeaponsCountItemsOfTheWeaponClass)
{
    auto r = InRegion("EINHEIT 1\n10;Anzahl\n500;Silber\nGEGENSTAENDE\n3;Schwert\n2;Bogen\n1;Katapult\n"
                      "4;Kettenhemd\n7;Bergbau\n");
    EXPECT_EQ(FirstUnit(*r).Weapons, 6) << "swords, bows and the kind-9 catapult; no talent";
    auto unknown = InRegion("EINHEIT 1\nGEGENSTAENDE\n5;Zauberstab\n");
    EXPECT_EQ(FirstUnit(*unknown).Weapons, 5) << "a new item type has item class 0";
    auto huge = InRegion("EINHEIT 1\nGEGENSTAENDE\n2147483647;Schwert\n2147483647;Bogen\n");
    EXPECT_EQ(FirstUnit(*huge).Weapons, 2147483647) << "the sum is held in range";
}

TEST_F(UnitBlockTest, SubBlocksAndDefaultOrder)
{
    auto r = InRegion("EINHEIT 1\nCOMMANDS\n\"LERNEN Bergbau\"\n\"// Kommentar\"\nTALENTE\n\"90 2\";Bergbau\n"
                      "\"30 1\";Holzfällen\nSPRUECHE\n\"Feuerball\"\nEINHEITSBOTSCHAFTEN\n\"Hunger!\"\n");
    const TUnit& u = FirstUnit(*r);
    EXPECT_EQ(u.Commands->Lines(), (std::vector<std::string>{"LERNEN Bergbau", "// Kommentar"}));
    EXPECT_EQ(u.Default_, "LERNEN Bergbau");
    EXPECT_EQ(u.Talents->Entries, (std::vector<TTalent>{{"Bergbau", 90, 2}, {"Holzfällen", 30, 1}}));
    EXPECT_EQ(u.Spells->Lines(), (std::vector<std::string>{"Feuerball"}));
    EXPECT_EQ(u.Messages->Lines(), (std::vector<std::string>{"Hunger!"}));

    auto given = InRegion("EINHEIT 1\n\"ARBEITEN\";Default\nCOMMANDS\n\"LERNEN Bergbau\"\n");
    EXPECT_EQ(FirstUnit(*given).Default_, "ARBEITEN");
}

TEST_F(UnitBlockTest, UnknownKeysAndBlocksWarnAndKnownHeadsEndTheUnit)
{
    auto r = InRegion("EINHEIT 1\n5;Hunger\nGEHEIMNISSE\n\"a\"\nEINHEIT 2\nPREISE\n4;Balsam\n");
    ASSERT_NE(r->Report, nullptr);
    const TRegion& region = FirstRegion(*r);
    EXPECT_EQ(region.Units->Count(), 2u);
    EXPECT_EQ(region.Prices->Entries.size(), 1u) << "PREISE ends the unit and belongs to the region";
    EXPECT_EQ(r->WarningTexts(),
              (std::vector<std::string>{"unknown value for unit: Hunger", "unknown block: GEHEIMNISSE"}));
}

TEST_F(UnitBlockTest, ShipKeysAndDefaults)
{
    auto r = InRegion("SCHIFF 12\n\"Seeadler\";Name\n\"schnell\";Beschr\n\"Kogge\";Typ\n5;Schaden\n"
                      "3;Kapitaen\n9;Partei\n2;Kueste\n80;Prozent\n400;Ladung\n500;MaxLadung\n1;Segel\n"
                      "SCHIFF 13\n");
    const TRegion& region = FirstRegion(*r);
    ASSERT_EQ(region.Ships->Count(), 2u);
    const TShip& s = *(*region.Ships)[0];
    EXPECT_EQ(s.Nr, 12);
    EXPECT_EQ(s.Name, "Seeadler");
    EXPECT_EQ(s.Descr, "schnell");
    EXPECT_EQ(s.Type_, "Kogge");
    EXPECT_EQ(s.Damage->History(), (History{{6, 5}}));
    EXPECT_EQ(s.Captain, 3);
    EXPECT_EQ(s.Party, 9);
    EXPECT_EQ(s.Coast, 2);
    EXPECT_EQ(s.Percent->History(), (History{{6, 80}}));
    EXPECT_EQ(s.Load->History(), (History{{6, 400}}));
    EXPECT_EQ(s.MaxLoad->History(), (History{{6, 500}}));
    const TShip& d = *(*region.Ships)[1];
    EXPECT_EQ(d.Damage->History(), (History{{6, 0}}));
    EXPECT_EQ(d.Percent->History(), (History{{6, 100}}));
    EXPECT_EQ(d.Load->History(), (History{{6, 0}}));
    EXPECT_EQ(d.MaxLoad->History(), (History{{6, 100}}));
    EXPECT_EQ(d.Captain, -1);
    EXPECT_EQ(r->WarningTexts(), (std::vector<std::string>{"unknown value for ship: Segel"}));
}

TEST_F(UnitBlockTest, BuildingKeysAndDefaults)
{
    auto r = InRegion("BURG 20\n\"Festung\";Name\n\"alt\";Beschr\n\"Burg\";Typ\n250;Groesse\n4;Besitzer\n"
                      "9;Partei\n30;Unterhalt\n1;Tore\nBURG 21\n0;Besitzer\n");
    const TRegion& region = FirstRegion(*r);
    ASSERT_EQ(region.Buildings->Count(), 2u);
    const TBuilding& b = *(*region.Buildings)[0];
    EXPECT_EQ(b.Nr, 20);
    EXPECT_EQ(b.Name, "Festung");
    EXPECT_EQ(b.Descr, "alt");
    EXPECT_EQ(b.Type_, "Burg");
    EXPECT_EQ(b.Size->History(), (History{{6, 250}}));
    EXPECT_EQ(b.Captain, 4);
    EXPECT_EQ(b.Party, 9);
    EXPECT_EQ(b.Support->History(), (History{{6, 30}}));
    const TBuilding& d = *(*region.Buildings)[1];
    EXPECT_EQ(d.Captain, -1);
    EXPECT_EQ(d.Size->History(), (History{{6, 100}}));
    EXPECT_EQ(d.Support->History(), (History{{6, 0}}));
    EXPECT_EQ(r->WarningTexts(), (std::vector<std::string>{"unknown value for building: Tore"}));
}

TEST_F(UnitBlockTest, ShipsAndBuildingsTakeTheirCaptainsParty)
{
    auto r = InRegion("SCHIFF 1\n5;Kapitaen\nSCHIFF 2\n5;Kapitaen\n3;Partei\nSCHIFF 3\n99;Kapitaen\n"
                      "BURG 4\n6;Besitzer\n"
                      "EINHEIT 5\n7;Partei\nEINHEIT 6\n8;Partei\nEINHEIT 6\n9;Partei\n"
                      "REGION 1 0\nEINHEIT 99\n4;Partei\n");
    ASSERT_NE(r->Report, nullptr);
    const TRegion& region = FirstRegion(*r);
    EXPECT_EQ((*region.Ships)[0]->Party, 7);
    EXPECT_EQ((*region.Ships)[1]->Party, 3) << "a known party stays";
    EXPECT_EQ((*region.Ships)[2]->Party, -1) << "the captain must stand in the same region";
    EXPECT_EQ((*region.Buildings)[0]->Party, 8) << "the first matching unit counts";
}

} // namespace
} // namespace maprune::test
