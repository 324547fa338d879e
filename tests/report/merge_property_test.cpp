// SPDX-License-Identifier: GPL-3.0-or-later
// After merging turn T+1 of a generated world into the database of turn T,
// every region and unit that T+1 shows has the values, orders and place
// that T+1 gives it, every history holds the values of both turns, and no
// unit that T+1 lacks is left.
#include <map>
#include <random>

#include <gtest/gtest.h>

#include "bench/crgen/cr_generator.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "report/cr_reader.h"
#include "report/merge_report.h"
#include "report/progress_panel.h"
#include "report/report_building.h"
#include "support/scripted_dialogs.h"

namespace maprune::test {
namespace {

using Entries = std::vector<THistoryInteger::Entry>;

Entries Copied(const HistoryEntries& history)
{
    return { history.begin(), history.end() };
}

// With the delivered game data, whose terrain sets line reports up.
class MergePropertyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetGameData(std::make_unique<GameData>(std::filesystem::path(MAPRUNE_BIN_DIR) / "maprune.dat", nullptr));
    }
    void TearDown() override { SetGameData(nullptr); }
};

std::unique_ptr<TReport> Generate(const crgen::GeneratorOptions& options)
{
    ScriptedDialogs dialogs;
    NullProgress progress;
    auto report = ReadCR(crgen::GenerateReport(options), dialogs, progress, nullptr);
    EXPECT_TRUE(dialogs.shown.empty());
    return report;
}

// The history a merge must give: the database's entries, and the added
// report's entries for the dates the database lacks.
Entries United(const THistoryInteger& database, const THistoryInteger& added)
{
    THistoryInteger expected;
    expected.SetHistory(database.History());
    expected.MergeFrom(added);
    return Copied(expected.History());
}

using Place = std::tuple<int32_t, int32_t, int32_t>;

Place PlaceOf(const TRegion& region, int32_t dx = 0, int32_t dy = 0)
{
    return {region.CX + dx, region.CY + dy, region.CZ};
}

std::map<int32_t, std::pair<const TUnit*, const TRegion*>> UnitsByNumber(const TReport& report)
{
    std::map<int32_t, std::pair<const TUnit*, const TRegion*>> units;
    for (const TRegion* region : *report.Regions) {
        for (const TUnit* unit : *region->Units)
            units.emplace(unit->Nr, std::make_pair(unit, region));
    }
    return units;
}

void CheckMerge(const TReport& merged, const TReport& before, const TReport& added, int32_t dx, int32_t dy)
{
    std::map<Place, const TRegion*> old;
    for (const TRegion* region : *before.Regions)
        old.emplace(PlaceOf(*region, dx, dy), region);
    std::map<Place, const TRegion*> now;
    for (const TRegion* region : *merged.Regions)
        ASSERT_TRUE(now.emplace(PlaceOf(*region), region).second) << "two regions at one place";

    for (const TRegion* shown : *added.Regions) {
        const Place place = PlaceOf(*shown);
        ASSERT_EQ(now.count(place), 1u);
        const TRegion& region = *now.at(place);
        const auto it = old.find(place);
        const TRegion* was = it != old.end() ? it->second : nullptr;
        const bool newerInfo = was == nullptr || shown->InfoDate > was->InfoDate;
        EXPECT_EQ(region.Name, newerInfo ? shown->Name : was->Name);
        EXPECT_EQ(region.Terrain, newerInfo ? shown->Terrain : was->Terrain);
        for (auto member : {&TRegion::Peasants, &TRegion::Horses, &TRegion::Trees, &TRegion::Silver,
                            &TRegion::Iron, &TRegion::Laen, &TRegion::Wages, &TRegion::Street}) {
            const Entries expected = was != nullptr ? United(*(was->*member), *(shown->*member))
                                                    : Copied((shown->*member)->History());
            EXPECT_EQ((region.*member)->History(), expected);
        }
    }
    for (const auto& [place, region] : old)
        EXPECT_EQ(now.count(place), 1u) << "a region of the database is lost";

    const auto before_units = UnitsByNumber(before);
    const auto added_units = UnitsByNumber(added);
    const auto merged_units = UnitsByNumber(merged);
    size_t count = 0;
    for (const TRegion* region : *merged.Regions)
        count += region->Units->Count();
    EXPECT_EQ(count, added_units.size()) << "units that the newer report lacks are left, or twice";
    for (const auto& [nr, shown] : added_units) {
        ASSERT_EQ(merged_units.count(nr), 1u);
        const auto [unit, region] = merged_units.at(nr);
        EXPECT_EQ(PlaceOf(*region), PlaceOf(*shown.second));
        EXPECT_EQ(unit->Commands->Lines(), shown.first->Commands->Lines());
        EXPECT_EQ(unit->Name, shown.first->Name);
        EXPECT_EQ(unit->Party, shown.first->Party);
        EXPECT_EQ(unit->Items->Entries, shown.first->Items->Entries);
        EXPECT_EQ(unit->Talents->Entries, shown.first->Talents->Entries);
        const auto was = before_units.find(nr);
        const Entries expected = was != before_units.end()
                                     ? United(*was->second.first->Count, *shown.first->Count)
                                     : Copied(shown.first->Count->History());
        EXPECT_EQ(unit->Count->History(), expected);
    }
    EXPECT_EQ(merged.Turn, added.Turn);
    EXPECT_TRUE(AllOwnedBy(merged, &merged));
    EXPECT_EQ(merged.RefCount(), static_cast<int32_t>(CountObjects(merged)));
}

} // namespace

TEST_F(MergePropertyTest, TheNextTurnOfGeneratedWorldsMergesCompletely)
{
    std::mt19937 random(5);
    for (int world = 0; world < 8; ++world) {
        crgen::GeneratorOptions options;
        options.Seed = random();
        options.Regions = 60 + static_cast<int>(random() % 140);
        options.UnitsPerRegion = 1 + static_cast<int>(random() % 4);
        options.Turn = 1 + static_cast<int>(random() % 3);
        const bool shifted = world % 2 == 1;
        auto database = Generate(options);
        auto before = Generate(options);
        ++options.Turn;
        if (shifted) {
            // The next turn comes with another origin; the database is moved to fit it.
            options.ShiftX = static_cast<int>(random() % 40) - 20;
            options.ShiftY = static_cast<int>(random() % 40) - 20;
        }
        auto added = Generate(options);
        auto expected = Generate(options);

        ScriptedDialogs dialogs;
        ScriptedShifts chooser;
        NullProgressPanel panel;
        AdaptationUi ui{dialogs, chooser, panel};
        AdaptationOptions adaptation;
        adaptation.Enabled = shifted;
        const MergeResult result = MergeReport(*database, *added, adaptation, ui);
        ASSERT_TRUE(result.Merged);
        if (shifted) {
            for (const LayerShift& layer : result.Adaptation.Layers)
                EXPECT_EQ(layer.Offset, (Shift{static_cast<int16_t>(options.ShiftX), static_cast<int16_t>(options.ShiftY)}));
        }
        SCOPED_TRACE("world " + std::to_string(world));
        CheckMerge(*database, *before, *expected, options.ShiftX, options.ShiftY);
        EXPECT_TRUE(AllOwnedBy(*added, added.get()));
        EXPECT_EQ(added->RefCount(), static_cast<int32_t>(CountObjects(*added)));
    }
}

} // namespace maprune::test
