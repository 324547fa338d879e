// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/crgen/cr_generator.h"
#include "report/cr_test_support.h"
#include "report/merge_report.h"
#include "report/progress_panel.h"
#include "report/report_building.h"

namespace maprune::test {
namespace {

// Reports of today's format (version 39 and above).
using TodayFormatTest = CRTest;

// The warnings after the first, the version warning that every report of
// today's format gets.
std::vector<CRWarning> LaterWarnings(const ReadOutcome& r)
{
    EXPECT_FALSE(r.Warnings.empty());
    EXPECT_EQ(r.Warnings.front().Line, 1);
    return std::vector<CRWarning>(
        r.Warnings.begin() + (r.Warnings.empty() ? 0 : 1), r.Warnings.end());
}

std::vector<std::string> LinesOf(const TLines& lines)
{
    return std::vector<std::string>(lines.Lines().begin(), lines.Lines().end());
}

TEST_F(TodayFormatTest, UnknownBlocksAreSkippedWholeAtEveryLevel)
{
    struct Case {
        const char* Level;
        std::string Text;
        const char* Skipped;
        int64_t Line;
        std::function<void(const TReport&)> ReadOn;
    };
    const std::vector<Case> cases = {
        { "top",
            "VERSION 69\n5;Runde\nGEHEIM 3\n1;x\nUNTER 1\n\"Text\"\nPARTEI 7\n\"Mensch\";race\n",
            "GEHEIM", 3, [](const TReport& r) { EXPECT_EQ(r.ActiveParty, 7); } },
        { "party",
            "VERSION 69\nPARTEI 7\n\"Mensch\";race\nSTATISTIK\n1;a\nZAUBER 5\n\"Blitz\";name\n",
            "STATISTIK", 4, [](const TReport& r) { EXPECT_EQ(r.Spells->Count(), 1u); } },
        { "region",
            "VERSION 69\nREGION 0 0\n\"Ebene\";Terrain\nWETTER\n\"Regen\";heute\nWOLKE 1\n3;d\n"
            "EINHEIT 5\n1;Anzahl\n",
            "WETTER", 4, [](const TReport& r) { EXPECT_EQ((*r.Regions)[0]->Units->Count(), 1u); } },
        { "unit",
            "VERSION 69\nREGION 0 0\n\"Ebene\";Terrain\nEINHEIT 5\nTAGEBUCH\n\"heute\"\nSEITE "
            "2\n1;x\n"
            "TALENTE\n\"30 1\";Bergbau\nREGION 1 0\n\"Ebene\";Terrain\n",
            "TAGEBUCH", 5,
            [](const TReport& r) {
                ASSERT_EQ(r.Regions->Count(), 2u);
                EXPECT_EQ((*(*r.Regions)[0]->Units)[0]->Talents->Entries.size(), 1u);
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Level);
        auto r = ReadText(c.Text);
        ASSERT_NE(r->Report, nullptr) << r->Messages().front();
        const std::vector<CRWarning> warnings = LaterWarnings(*r);
        const CRWarning expected { c.Line, std::string("unknown block: ") + c.Skipped, c.Skipped };
        EXPECT_EQ(warnings, std::vector<CRWarning> { expected });
        c.ReadOn(*r->Report);
    }
}

TEST_F(TodayFormatTest, HeaderMessagesSpellsAndFightsGoWhereTheyBelong)
{
    auto r = ReadText(
        "\xEF\xBB\xBFVERSION 69\r\n"
        "\"UTF-8\";charset\r\n"
        "\"befehle@kelvaran.example\";mailto\r\n"
        "\"KELVARAN 2 BEFEHLE\";mailcmd\r\n"
        "7;reportowner\r\n"
        "5;Runde\r\n"
        "COORDTRANS 7\r\n0 0;translation\r\nALLIANCE 1\r\n7;leader\r\n"
        "PARTEI 7\r\n"
        "\"Die \\\"Wanderer\\\"\";Parteiname\r\n"
        "12;age\r\n"
        "OPTIONEN\r\n1;REPORT\r\n"
        "GEGENSTAENDE\r\n120;Silber\r\n"
        "GRUPPE 1\r\n\"Wache\";name\r\nALLIANZ 9\r\n1;Status\r\n"
        "MESSAGE 1\r\n11;type\r\n\"Ein Komet.\";rendered\r\n"
        "MESSAGE 2\r\n12;type\r\n\"120 Silber verdient.\";rendered\r\n\"3 4 0\";region\r\n"
        "MESSAGE 3\r\n99;type\r\n\"Sonst was.\";rendered\r\n"
        "ZAUBER 3000000000\r\n\"Blitz\";name\r\n3;level\r\n\"Trifft.\";info\r\n"
        "KOMPONENTEN\r\n2;Aura\r\n"
        "ALLIANZ 8\r\n59;Status\r\n"
        "REGION 3 4 0\r\n\"Ebene\";Terrain\r\n\"Tirana\";Name\r\n"
        "BATTLE 3 4 0\r\nMESSAGE 4\r\n13;type\r\n\"Die Späher fliehen.\";rendered\r\n"
        "MESSAGETYPE 11\r\n\"Ein $thing.\";text\r\n\"events\";section\r\n"
        "MESSAGETYPE 12\r\n\"economy\";section\r\n"
        "MESSAGETYPE 13\r\n\"battle\";section\r\n"
        "TRANSLATION\r\n\"Ebene\";Ebene\r\n");
    ASSERT_NE(r->Report, nullptr) << r->Messages().front();
    EXPECT_TRUE(LaterWarnings(*r).empty());
    const TReport& report = *r->Report;
    EXPECT_EQ(report.Charset, "UTF-8");
    EXPECT_EQ(report.OrderAddress, "befehle@kelvaran.example");
    EXPECT_EQ(report.OrderSubject, "KELVARAN 2 BEFEHLE");
    EXPECT_EQ(report.ActiveParty, 7) << "the party has no race: the report owner is the own party";

    const TParty& party = *(*report.Parties)[0];
    EXPECT_EQ(party.Name, "Die \"Wanderer\"");
    EXPECT_EQ(LinesOf(*party.Events), std::vector<std::string> { "Ein Komet." });
    EXPECT_EQ(LinesOf(*party.Income), std::vector<std::string> { "120 Silber verdient." });
    EXPECT_EQ(LinesOf(*party.Messages), std::vector<std::string> { "Sonst was." });
    EXPECT_EQ(LinesOf(*party.Fights),
        (std::vector<std::string> { "Kampf in Tirana (3,4)", "Die Späher fliehen." }));
    ASSERT_EQ(party.Allies->Count(), 1u) << "the group's alliances are not the party's";
    EXPECT_EQ((*party.Allies)[0]->Party, 8);

    ASSERT_EQ(report.Spells->Count(), 1u);
    const TSpell& spell = *(*report.Spells)[0];
    EXPECT_EQ(spell.Spell, "Blitz");
    EXPECT_EQ(spell.Level, 3);
    EXPECT_EQ(spell.Descr, "Trifft.");
    EXPECT_EQ(spell.Turn, 5) << "dated like a SPRUCH block";

    auto typed = ReadText("\xEF\xBB\xBFVERSION 69\n7;reportowner\nPARTEI 9\n\"Mensch\";race\n");
    ASSERT_NE(typed->Report, nullptr);
    EXPECT_EQ(typed->Report->ActiveParty, 9) << "the report owner only stands in";
    EXPECT_EQ(typed->Report->Charset, "UTF-8") << "named by the byte-order mark";
}

TEST_F(TodayFormatTest, RegionResourcesRoadsMessagesAndVisibility)
{
    auto r = ReadText(
        "VERSION 69\n5;Runde\n"
        "REGION 0 0 0\n\"Berge\";Terrain\n12;Lohn\n99;id\n300;letztebauern\n"
        "RESOURCE 1\n\"Eisen\";type\n50;number\n3;skill\n"
        "RESOURCE 2\n\"Bäume\";type\n40;number\n"
        "RESOURCE 3\n\"Steine\";type\n9;number\n"
        "RESOURCE 4\n\"Sch\xF6\xDFlinge\";type\n7;number\n"
        "RESOURCE 5\n\"Bauern\";type\n800;number\n"
        "RESOURCE 6\n\"Mallorn\";type\n3;number\n"
        "RESOURCE 7\n\"Laen\";type\n4;number\n3;Runde\n"
        "GRENZE 1\n\"Stra\xDF"
        "e\";typ\n1;richtung\n100;prozent\n"
        "GRENZE 2\n\"Straße\";typ\n4;richtung\n40;prozent\n"
        "GRENZE 3\n\"Irrlicht\";typ\n2;richtung\n"
        "MESSAGE 7\n\"Ein Bote ruft.\";rendered\n"
        "DURCHREISE\n\"Boten (12)\"\nDURCHSCHIFFUNG\n\"Kahn (13)\"\n"
        "EFFECTS\n\"3 Nebel\"\n"
        "SCHEMEN 2 0\n\"Ferne\";Name\n"
        "REGION 1 0 0\n\"Ebene\";Terrain\n\"neighbour\";visibility\n12;Lohn\n300;Bauern\n");
    ASSERT_NE(r->Report, nullptr) << r->Messages().front();
    EXPECT_TRUE(LaterWarnings(*r).empty());
    const TRegion& mountain = *(*r->Report->Regions)[0];
    EXPECT_EQ(mountain.Iron->CurrentValue(), 50);
    EXPECT_EQ(mountain.Trees->CurrentValue(), 40);
    EXPECT_EQ(mountain.Stones->CurrentValue(), 9);
    EXPECT_EQ(mountain.Saplings->CurrentValue(), 7);
    EXPECT_EQ(mountain.Peasants->CurrentValue(), 800);
    EXPECT_EQ(mountain.Recrutees, 40) << "derived from the resource's peasants";
    EXPECT_EQ(mountain.Mallorn, 3);
    EXPECT_EQ(mountain.Laen->History(), (std::vector<THistoryInteger::Entry> { { 3, 4 } }));
    EXPECT_EQ(mountain.Street->CurrentValue(), 100) << "the most complete road";
    EXPECT_EQ(mountain.Horses->CurrentValue(), 0) << "a complete description without horses";
    EXPECT_EQ(LinesOf(*mountain.Messages), std::vector<std::string> { "Ein Bote ruft." });
    EXPECT_EQ(
        LinesOf(*mountain.Passthrough), (std::vector<std::string> { "Boten (12)", "Kahn (13)" }));
    EXPECT_EQ(mountain.FullInfoDate, 5);

    const TRegion& seen = *(*r->Report->Regions)[1];
    EXPECT_EQ(seen.FullInfoDate, 0) << "seen from a neighbour: outdated on the map";
    EXPECT_EQ(seen.Peasants->CurrentValue(), 300);
    EXPECT_EQ(seen.Horses->HistoryCount(), 0);
}

TEST_F(TodayFormatTest, UnitsWithTodaysKeysAndThreeNumberTalents)
{
    const std::string unit
        = "REGION 0 0\n\"Ebene\";Terrain\nEINHEIT 5\n7;Partei\n3000;weight\n"
          "\"einige\";typprefix\nTALENTE\n\"90 2 -1\";Bergbau\n\"30  1\";Holzfällen\n"
          "KAMPFZAUBER 0\n\"Feuerball\";name\nGEGENSTAENDE\n3;Schwert\n";
    auto r = ReadText("VERSION 69\n" + unit);
    ASSERT_NE(r->Report, nullptr) << r->Messages().front();
    EXPECT_TRUE(LaterWarnings(*r).empty());
    const TUnit& u = *(*(*r->Report->Regions)[0]->Units)[0];
    EXPECT_EQ(u.Talents->Entries,
        (std::vector<TTalent> { { "Bergbau", 90, 2 }, { "Holzfällen", 30, 1 } }));
    ASSERT_EQ(u.Items->Entries.size(), 1u) << "the items after the combat spell are read";
    EXPECT_EQ(u.Items->Entries[0].Count, 3);

    auto older = ReadText("VERSION 36\n" + unit);
    EXPECT_TRUE(older->Aborted) << "older reports keep two-number talents";
}

TEST_F(TodayFormatTest, GeneratedReportSkipsOnlyItsUnknownBlocksAndHoldsTheSameWorld)
{
    for (const bool utf8 : { false, true }) {
        crgen::GeneratorOptions options;
        options.Seed = 5;
        options.Regions = 200;
        options.Utf8 = utf8;
        auto older = ReadText(crgen::GenerateReport(options));
        options.Format = crgen::kTodayFormat;
        auto today = ReadText(crgen::GenerateReport(options));
        ASSERT_NE(today->Report, nullptr) << today->Messages().front();
        std::vector<std::string> skipped;
        for (const SkippedBlockCount& c : CountSkippedBlocks(today->Warnings)) {
            EXPECT_EQ(c.Count, 1u);
            skipped.push_back(c.Name);
        }
        EXPECT_EQ(skipped,
            std::vector<std::string>(
                std::begin(crgen::kUnknownTodayBlocks), std::end(crgen::kUnknownTodayBlocks)));
        EXPECT_EQ(LaterWarnings(*today).size(), skipped.size());

        const TReport& a = *older->Report;
        const TReport& b = *today->Report;
        EXPECT_EQ(b.ActiveParty, a.ActiveParty);
        EXPECT_EQ(b.Parties->Count(), a.Parties->Count());
        EXPECT_EQ(b.Spells->Count(), a.Spells->Count());
        const TParty& own = *b.FindParty(b.ActiveParty);
        EXPECT_EQ(own.Fights->Count(), 3);
        EXPECT_EQ(own.Events->Count(), 1);
        ASSERT_EQ(b.Regions->Count(), a.Regions->Count());
        for (size_t i = 0; i < a.Regions->Count(); ++i) {
            const TRegion& x = *(*a.Regions)[i];
            const TRegion& y = *(*b.Regions)[i];
            SCOPED_TRACE(RegionDescription(&x));
            // Today's report adds the values of the turn before.
            for (auto value : { &TRegion::Peasants, &TRegion::Trees, &TRegion::Iron, &TRegion::Laen,
                     &TRegion::Street, &TRegion::Horses, &TRegion::Silver }) {
                const auto& older = (x.*value)->History();
                const auto& today = (y.*value)->History();
                ASSERT_EQ(today.empty(), older.empty());
                if (!older.empty()) {
                    EXPECT_EQ(today.front(), older.front());
                }
            }
            EXPECT_EQ(y.FullInfoDate, x.FullInfoDate);
            EXPECT_EQ(y.Units->Count(), x.Units->Count());
            EXPECT_EQ(y.Prices->Entries, x.Prices->Entries);
        }
    }
}

TEST_F(TodayFormatTest, SuccessiveTurnsGrowTheHistories)
{
    crgen::GeneratorOptions options;
    options.Seed = 5;
    options.Regions = 200;
    options.Format = crgen::kTodayFormat;
    auto dest = ReadText(crgen::GenerateReport(options));
    options.Turn = 2;
    auto next = ReadText(crgen::GenerateReport(options));
    ASSERT_NE(dest->Report, nullptr);
    ASSERT_NE(next->Report, nullptr);
    ScriptedDialogs messages;
    ScriptedShifts chooser;
    NullProgressPanel panel;
    AdaptationUi ui { messages, chooser, panel };
    ASSERT_TRUE(MergeReport(*dest->Report, *next->Report, AdaptationOptions {}, ui).Merged);
    size_t peasants = 0;
    size_t stones = 0;
    for (const TRegion* region : *dest->Report->Regions) {
        peasants += region->Peasants->HistoryCount() >= 2 ? 1 : 0;
        stones += region->Stones->HistoryCount() == 2 ? 1 : 0;
    }
    EXPECT_GT(peasants, 20u);
    EXPECT_GT(stones, 0u);
}

} // namespace
} // namespace maprune::test
