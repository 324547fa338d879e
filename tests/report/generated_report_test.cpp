// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "bench/crgen/cr_generator.h"
#include "model/json_form.h"
#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using crgen::GenerateReport;
using crgen::GeneratorOptions;

// Generated reports exercise every block of the format; they must read
// without a single warning, and the generator must stay deterministic.
class GeneratedReportTest : public CRTest { };

size_t CountUnits(const TReport& report)
{
    size_t units = 0;
    for (const TRegion* region : *report.Regions)
        units += region->Units->Count();
    return units;
}

TEST_F(GeneratedReportTest, EveryViewReadsWithoutWarnings)
{
    for (const bool utf8 : { false, true }) {
        for (int turn = 1; turn <= 3; ++turn) {
            for (int view = 0; view <= 1; ++view) {
                GeneratorOptions options;
                options.Seed = 42;
                options.Regions = 200;
                options.Turn = turn;
                options.ViewParty = view;
                options.Utf8 = utf8;
                auto r = ReadText(GenerateReport(options));
                ASSERT_NE(r->Report, nullptr) << r->Messages().front();
                EXPECT_TRUE(r->Warnings.empty())
                    << r->Warnings.front().Line << ": " << r->Warnings.front().Text;
                const TReport& report = *r->Report;
                EXPECT_EQ(report.Regions->Count(), 200u);
                EXPECT_EQ(report.Turn, crgen::kFirstGameTurn + turn - 1);
                EXPECT_EQ(report.Parties->Count(), 4u);
                EXPECT_EQ(report.Layers(), (std::vector<int32_t> { 0, 1 }));
                EXPECT_GT(CountUnits(report), 300u);
                EXPECT_EQ(report.Spells->Count(), 3u);
                EXPECT_EQ(report.Potions->Count(), 2u);
            }
        }
    }
}

TEST_F(GeneratedReportTest, SameSeedSameReportOtherSeedOtherReport)
{
    GeneratorOptions options;
    options.Regions = 150;
    options.Seed = 9;
    const std::string a = GenerateReport(options);
    EXPECT_EQ(a, GenerateReport(options));
    options.Seed = 10;
    EXPECT_NE(a, GenerateReport(options));
}

TEST_F(GeneratedReportTest, SuccessiveTurnsMoveUnitsOfOneWorld)
{
    GeneratorOptions options;
    options.Regions = 300;
    auto first = ReadText(GenerateReport(options));
    options.Turn = 4;
    auto later = ReadText(GenerateReport(options));
    std::set<int32_t> before;
    std::set<int32_t> after;
    for (const TRegion* region : *first->Report->Regions)
        for (const TUnit* unit : *region->Units)
            before.insert(unit->Nr);
    for (const TRegion* region : *later->Report->Regions)
        for (const TUnit* unit : *region->Units)
            after.insert(unit->Nr);
    size_t kept = 0;
    for (int32_t nr : after)
        kept += before.count(nr);
    EXPECT_GT(kept, before.size() / 2) << "most units live on";
    EXPECT_LT(kept, before.size()) << "some vanish";
    EXPECT_LT(kept, after.size()) << "some are new";
    EXPECT_EQ(FirstRegion(*first).Terrain, FirstRegion(*later).Terrain) << "the same world";
}

TEST_F(GeneratedReportTest, ShiftMovesEveryRegion)
{
    GeneratorOptions options;
    options.Regions = 100;
    auto plain = ReadText(GenerateReport(options));
    options.ShiftX = 7;
    options.ShiftY = -3;
    auto shifted = ReadText(GenerateReport(options));
    ASSERT_EQ(plain->Report->Regions->Count(), shifted->Report->Regions->Count());
    for (size_t i = 0; i < plain->Report->Regions->Count(); ++i) {
        const TRegion& a = *(*plain->Report->Regions)[i];
        const TRegion& b = *(*shifted->Report->Regions)[i];
        EXPECT_EQ(b.CX, a.CX + 7);
        EXPECT_EQ(b.CY, a.CY - 3);
        EXPECT_EQ(b.CZ, a.CZ);
    }
}

TEST_F(GeneratedReportTest, OptionsOutOfRangeAreRefused)
{
    GeneratorOptions options;
    options.Regions = 5;
    EXPECT_THROW(GenerateReport(options), std::invalid_argument);
    options.Regions = 100;
    options.Parties = 2;
    EXPECT_THROW(GenerateReport(options), std::invalid_argument);
}

} // namespace
} // namespace maprune::test
