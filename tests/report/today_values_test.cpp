// SPDX-License-Identifier: GPL-3.0-or-later
// Where the values of today's reports land in the model, and what the
// order file and the ship window make of them.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/crgen/cr_generator.h"
#include "model/game_data.h"
#include "orders/order_file.h"
#include "report/cr_test_support.h"
#include "support/scripted_dialogs.h"
#include "tools/regions/place_view.h"
#include "tools/units/unit_view.h"

namespace maprune::test {
namespace {

using TodayValuesTest = CRTest;
using History = std::vector<THistoryInteger::Entry>;

const TUnit& FirstUnit(ReadOutcome& r)
{
    return *(*FirstRegion(r).Units)[0];
}

const TShip& FirstShip(ReadOutcome& r)
{
    return *(*FirstRegion(r).Ships)[0];
}

std::vector<std::string> ShipWindow(const TReport& report, const TShip& ship)
{
    std::vector<std::string> lines;
    for (const PlaceLine& line :
        ViewOfShipLine(report, "(" + report.FormatNr(ship.Nr) + ")", 0).Lines) {
        if (!line.IsUnit)
            lines.push_back(line.Text);
    }
    return lines;
}

TEST_F(TodayValuesTest, EveryKeyLandsInTheModel)
{
    struct Case {
        const char* What;
        std::string Blocks; // after "VERSION 69", "5;Runde" and a plain region head
        std::function<void(ReadOutcome&)> Check;
    };
    const std::vector<Case> cases = {
        { "unit silver only as an item", "EINHEIT 1\nGEGENSTAENDE\n170;Silber\n3;Schwert\n",
            [](ReadOutcome& r) {
                const TUnit& u = FirstUnit(r);
                EXPECT_EQ(u.Silver->History(), (History { { 5, 170 } }));
                EXPECT_EQ(
                    u.Items->Entries, (std::vector<TItem> { { "Schwert", 3 }, { "Silber", 170 } }));
            } },
        { "unit silver key beside the item", "EINHEIT 1\n40;Silber\nGEGENSTAENDE\n3;Schwert\n",
            [](ReadOutcome& r) {
                EXPECT_EQ(FirstUnit(r).Silver->CurrentValue(), 40);
                EXPECT_EQ(FirstUnit(r).Items->Entries.back(), (TItem { "Silber", 40 }));
            } },
        { "unit weight and health", "EINHEIT 1\n\"Mensch\";Typ\n3050;weight\n\"verwundet\";hp\n",
            [](ReadOutcome& r) {
                EXPECT_EQ(FirstUnit(r).Weight, 3050);
                EXPECT_EQ(ViewOfUnit(*r.Report, FirstUnit(r)).Weight, "0 GE (laut Server 30.5 GE)");
                EXPECT_EQ(FirstUnit(r).HitPoints, "verwundet");
                EXPECT_TRUE(FirstUnit(r).Items->Entries.empty());
            } },
        { "ship of today",
            "SCHIFF 9\n\"Boot\";Typ\n3;Groesse\n10;Schaden\n2050;cargo\n5000;capacity\n",
            [](ReadOutcome& r) {
                const TShip& s = FirstShip(r);
                EXPECT_EQ(s.Percent->CurrentValue(), 60) << "3 of the boat's 5 size points";
                EXPECT_EQ(s.Damage->CurrentValue(), 10);
                EXPECT_EQ(s.Load->CurrentValue(), 20);
                EXPECT_EQ(s.MaxLoad->CurrentValue(), 50);
                EXPECT_EQ(s.Cargo->CurrentValue(), 2050);
                EXPECT_EQ(s.Capacity->CurrentValue(), 5000);
                EXPECT_EQ(s.Count, 1);
                EXPECT_EQ(ShipWindow(*r.Report, s),
                    (std::vector<std::string> { "das Schiff ist erst zu 60% fertiggestellt",
                        "das Schiff ist zu 10% beschädigt",
                        "es sind noch 60% (30 von 50 GE) des Schiffes frei" }));
            } },
        { "fleet of an unknown type, older keys first",
            "SCHIFF 9\n\"Floß\";Typ\n2;Anzahl\n7;Groesse\n300;Ladung\n50000;cargo\n",
            [](ReadOutcome& r) {
                const TShip& s = FirstShip(r);
                EXPECT_EQ(s.Count, 2);
                EXPECT_EQ(s.Size->CurrentValue(), 7);
                EXPECT_EQ(s.Percent->CurrentValue(), 100) << "no size known for the type";
                EXPECT_EQ(s.Load->CurrentValue(), 300);
                EXPECT_EQ(s.MaxLoad->CurrentValue(), 100);
            } },
        { "resources without key lines, in any terrain and form",
            "RESOURCE 1\n\"Eisen\";type\n46;number\n"
            "RESOURCE 2\n\"Baum\";type\n12;number\n"
            "RESOURCE 3\n\"Bauer\";type\n800;number\n"
            "RESOURCE 4\n\"Pferd\";type\n6;number\n"
            "RESOURCE 5\n\"1511758069\";type\n17;number\n"
            "RESOURCE 6\n\"Mallornschößlinge\";type\n4;number\n"
            "RESOURCE 7\n\"Silber\";type\n900;number\n",
            [](ReadOutcome& r) {
                const TRegion& region = FirstRegion(r);
                EXPECT_EQ(region.Iron->History(), (History { { 5, 46 } })) << "iron in the plains";
                EXPECT_EQ(region.Trees->CurrentValue(), 12);
                EXPECT_EQ(region.Peasants->CurrentValue(), 800);
                EXPECT_EQ(region.Horses->CurrentValue(), 6);
                EXPECT_EQ(region.MallornSaplings->CurrentValue(), 4);
                EXPECT_EQ(region.Entertainment, 45);
            } },
        { "key lines before resources",
            "300;Bauern\n2;Mallorn\nRESOURCE 1\n\"Bauern\";type\n800;number\n"
            "RESOURCE 2\n\"Mallorn\";type\n9;number\n",
            [](ReadOutcome& r) {
                EXPECT_EQ(FirstRegion(r).Peasants->History(), (History { { 5, 300 } }));
                EXPECT_EQ(FirstRegion(r).Mallorn, 2);
            } },
        { "values of the turn before",
            "300;Bauern\n280;letztebauern\n1000;Silber\n900;letztessilber\n12;Lohn\n11;"
            "letzterlohn\n"
            "4;letztepferde\n20;letztebaeume\n3;letzteSchoesslinge\n15;letzterekruten\n"
            "45;letzteunterh\n3;letzteluxus\n",
            [](ReadOutcome& r) {
                const TRegion& region = FirstRegion(r);
                EXPECT_EQ(region.Peasants->History(), (History { { 5, 300 }, { 4, 280 } }));
                EXPECT_EQ(region.Silver->History(), (History { { 5, 1000 }, { 4, 900 } }));
                EXPECT_EQ(region.Wages->History(), (History { { 5, 12 }, { 4, 11 } }));
                EXPECT_EQ(region.Horses->History(), (History { { 5, 0 }, { 4, 4 } }))
                    << "none in a complete description";
                EXPECT_EQ(region.Trees->History(), (History { { 5, 0 }, { 4, 20 } }));
                EXPECT_EQ(region.Saplings->History(), (History { { 4, 3 } }));
                EXPECT_EQ(region.Entertainment, 50);
                EXPECT_EQ(region.FullInfoDate, 5);
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        auto r = ReadText("VERSION 69\n5;Runde\nREGION 0 0\n\"Ebene\";Terrain\n" + c.Blocks);
        ASSERT_NE(r->Report, nullptr) << r->Messages().front();
        EXPECT_EQ(r->Warnings.size(), 1u)
            << "only the version warning: " << r->WarningTexts().back();
        c.Check(*r);
    }

    auto first = ReadText(
        "VERSION 69\n1;Runde\nREGION 0 0\n\"Ebene\";Terrain\n300;Bauern\n280;letztebauern\n");
    ASSERT_NE(first->Report, nullptr);
    EXPECT_EQ(FirstRegion(*first).Peasants->History(), (History { { 1, 300 } }))
        << "no turn before 1";
}

// The generated worlds use the ship types of the delivered game data.
class GeneratedTodayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetGameData(std::make_unique<GameData>(
            std::filesystem::path(MAPRUNE_BIN_DIR) / "maprune.dat", &FDialogs));
    }
    void TearDown() override { SetGameData(nullptr); }

    ScriptedDialogs FDialogs;
};

TEST_F(GeneratedTodayTest, OrderFileAndShipWindowSeeTheSameWorldInBothFormats)
{
    crgen::GeneratorOptions options;
    options.Seed = 3;
    options.Regions = 400;
    options.UnitsPerRegion = 4;
    auto older = ReadText(crgen::GenerateReport(options));
    options.Format = crgen::kTodayFormat;
    auto today = ReadText(crgen::GenerateReport(options));
    ASSERT_NE(older->Report, nullptr);
    ASSERT_NE(today->Report, nullptr);

    ScriptedDialogs dialogs;
    const auto unitLines = [&dialogs](const TReport& report) {
        std::vector<std::string> lines;
        for (const std::string& line : BuildOrderFile(report, dialogs)) {
            // The unit and its "[persons,silver$]"; names differ by design.
            if (line.rfind("EINHEIT ", 0) == 0)
                lines.push_back(line.substr(0, line.find(';')) + line.substr(line.rfind(" [")));
        }
        return lines;
    };
    const std::vector<std::string> expected = unitLines(*older->Report);
    const std::vector<std::string> lines = unitLines(*today->Report);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]);
    EXPECT_GT(expected.size(), 20u);
    const auto withoutSilver = std::count_if(expected.begin(), expected.end(),
        [](const std::string& line) { return line.find(",0$]") != std::string::npos; });
    EXPECT_LT(static_cast<size_t>(withoutSilver) * 3, expected.size()) << "most units have silver";

    size_t ships = 0;
    for (size_t i = 0; i < older->Report->Regions->Count(); ++i) {
        const TRegion& a = *(*older->Report->Regions)[i];
        const TRegion& b = *(*today->Report->Regions)[i];
        ASSERT_EQ(a.Ships->Count(), b.Ships->Count());
        for (size_t k = 0; k < a.Ships->Count(); ++k, ++ships) {
            SCOPED_TRACE(RegionDescription(&a));
            EXPECT_EQ(ShipWindow(*today->Report, *(*b.Ships)[k]),
                ShipWindow(*older->Report, *(*a.Ships)[k]));
        }
    }
    EXPECT_GT(ships, 3u);
}

} // namespace
} // namespace maprune::test
