// SPDX-License-Identifier: GPL-3.0-or-later
// The changes of two turns of a 40,000-region database: turn T+1 of a
// synthetic world merged into turn T, then the comparison of the two turns
// that the changes window, the map of changes and `maprune-cli changes`
// make (the list, its lines and the region weights). Aim: under 200 ms.
// Prints the input, the best of several runs and the aim.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "bench/crgen/cr_generator.h"
#include "bench/generated_reports.h"
#include "bench/stopwatch.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "report/merge_report.h"
#include "report/progress_panel.h"
#include "report/shift_chooser.h"
#include "tools/changes/change_list.h"
#include "tools/changes/turn_changes.h"

namespace {

using namespace maprune;

constexpr int kRuns = 5;
constexpr double kAimSeconds = 0.200;

using bench::FirstChoice;

std::unique_ptr<TReport> MergedDatabase()
{
    crgen::GeneratorOptions options;
    options.Seed = 36;
    options.Regions = 40'000;
    options.UnitsPerRegion = 3;
    options.Turn = 1;
    std::unique_ptr<TReport> database = bench::ReadGenerated(crgen::GenerateReport(options));
    options.Turn = 2;
    std::unique_ptr<TReport> added = bench::ReadGenerated(crgen::GenerateReport(options));
    SilentDialogs dialogs;
    FirstChoice chooser;
    NullProgressPanel panel;
    AdaptationUi ui { dialogs, chooser, panel };
    MergeReport(*database, *added, AdaptationOptions {}, ui);
    return database;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 0)
        SetProgramPath(argv[0]);
    GameDataInstance().Count(); // load the game data outside the measured runs
    const std::unique_ptr<TReport> database = MergedDatabase();
    size_t units = 0;
    for (const TRegion* region : *database->Regions)
        units += region->Units->Count();

    bench::Times times;
    ChangeTurns turns;
    size_t changes = 0;
    size_t lines = 0;
    for (int run = 0; run < kRuns; ++run) {
        const bench::Stopwatch watch;
        turns = DefaultChangeTurns(*database);
        const std::vector<TurnChange> found = TurnChanges(*database, turns.From, turns.To, {});
        lines = ChangeListLines(found).size();
        const std::vector<ChangeWeight> weights = RegionWeights(*database, found);
        times.Keep(watch);
        changes = found.size();
        std::printf("changes %d: %.4f s\n", run + 1, watch.WallSeconds());
        if (weights.size() != database->Regions->Count())
            return 1;
    }
    std::printf("input: %zu regions, %zu units, turns %d and %d merged (best of %d runs); "
                "earlier states kept: %zu units and ships, %zu regions' prices\n",
        database->Regions->Count(), units, turns.From, turns.To, kRuns,
        database->PastObjects->Count(), database->PastPrices->Count());
    std::printf(
        "changes of two turns: %zu changes, %zu list lines, region weights\n", changes, lines);
    std::printf("time: %8.4f s wall, %8.4f s processor; aim: under %.3f s (%s)\n", times.Wall,
        times.Cpu, kAimSeconds, times.Wall < kAimSeconds ? "met" : "missed");
    return 0;
}
