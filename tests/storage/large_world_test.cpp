// SPDX-License-Identifier: GPL-3.0-or-later
// Databases that Maprune saves open again, however well they compress: a
// world of uniform ocean, a world of 200,000 regions of land and sea and
// thirty turns merged into one database.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "bench/crgen/cr_generator.h"
#include "core/error.h"
#include "core/progress.h"
#include "report/adaptation_options.h"
#include "report/cr_test_support.h"
#include "report/merge_report.h"
#include "report/progress_panel.h"
#include "storage/kdf_file.h"
#include "storage/kdf_write_options.h"
#include "storage/model_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_shifts.h"
#include "support/temp_dir.h"

namespace maprune::test {
namespace {

using LargeWorldTest = CRTest;

std::unique_ptr<TReport> Read(const std::string& text)
{
    std::unique_ptr<ReadOutcome> read = ReadText(text);
    if (read->Report == nullptr)
        throw Error("the report did not read");
    return std::move(read->Report);
}

// `width` × `height` regions; `region` gives the lines of one.
std::unique_ptr<TReport> World(
    int width, int height, const std::function<std::string(int x, int y)>& region)
{
    std::string text = "VERSION 36\n200;Runde\n";
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y)
            text += "REGION " + std::to_string(x) + " " + std::to_string(y) + "\n" + region(x, y);
    }
    return Read(text);
}

std::unique_ptr<TReport> OceanWorld()
{
    return World(250, 200, [](int, int) { return "\"Ozean\";Terrain\n"; });
}

// Land and sea, each land region named and with peasants and trees.
std::unique_ptr<TReport> MixedWorld()
{
    return World(500, 400, [](int x, int y) -> std::string {
        if ((x + y) % 3 == 0)
            return "\"Ozean\";Terrain\n";
        return "\"" + std::string((x + y) % 3 == 1 ? "Ebene" : "Berge") + "\";Terrain\n\"Land "
            + std::to_string(x * 400 + y) + "\";Name\n" + std::to_string(1000 + x) + ";Bauern\n"
            + std::to_string(y) + ";Baeume\n";
    });
}

std::unique_ptr<TReport> GeneratedTurn(int turn)
{
    crgen::GeneratorOptions options;
    options.Regions = 300;
    options.Turn = turn;
    return Read(crgen::GenerateReport(options));
}

std::unique_ptr<TReport> ThirtyMergedTurns()
{
    std::unique_ptr<TReport> merged = GeneratedTurn(1);
    ScriptedDialogs dialogs;
    ScriptedShifts chooser;
    NullProgressPanel panel;
    AdaptationUi ui { dialogs, chooser, panel };
    for (int turn = 2; turn <= 30; ++turn) {
        std::unique_ptr<TReport> next = GeneratedTurn(turn);
        MergeReport(*merged, *next, AdaptationOptions {}, ui);
    }
    return merged;
}

TEST_F(LargeWorldTest, SavedWorldsOpenAgain)
{
    const struct {
        const char* Name;
        std::function<std::unique_ptr<TReport>()> Make;
        bool Fast;
    } cases[] = {
        { "ocean", OceanWorld, false },
        { "200,000 regions", MixedWorld, true },
        { "30 merged turns", ThirtyMergedTurns, false },
    };
    TempDir dir;
    NullProgress progress;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::unique_ptr<TReport> world = c.Make();
        SaveKdfFile(*world, dir / "world.kdf", KdfWriteOptions { c.Fast }, progress);
        std::unique_ptr<TReport> loaded;
        ASSERT_NO_THROW(loaded = LoadKdfFile(dir / "world.kdf", progress));
        EXPECT_EQ(loaded->Regions->Count(), world->Regions->Count());
        // Everything came back: the loaded world stores the same bytes.
        EXPECT_TRUE(RecordOf(*loaded) == RecordOf(*world));
    }
}

} // namespace
} // namespace maprune::test
