// SPDX-License-Identifier: GPL-3.0-or-later
// Merging and origin adaptation on synthetic worlds:
//  - merge: turn T+1 of a world (over 20 MB of report) merged into the
//    database of turn T of the same world; reference: reading turn T+1 into
//    a TReport, the work every added report costs before its merge (aim:
//    the merge takes at most as long as the read).
//  - adaptation: the layer of 10,000 regions of turn T searched against the
//    same layer of turn T+1, whose origin differs; reference: one plain pass
//    over every pair of regions of the two layers, the least any search that
//    looks at all pairs must do.
// Prints the inputs, the first run in this fresh process beside the best of
// several, the throughputs and the ratios, and the heap a read report holds
// as a multiple of its bytes (aim: at most 5).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/crgen/cr_generator.h"
#include "bench/figure_print.h"
#include "bench/generated_reports.h"
#include "bench/heap_usage.h"
#include "bench/stopwatch.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "report/merge_report.h"
#include "report/origin_adaptation.h"
#include "report/progress_panel.h"
#include "report/shift_chooser.h"

namespace {

using namespace maprune;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 3;
constexpr double kAimHeld = 5; // a read report at most 5 times its bytes

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

using bench::FirstChoice;

size_t CountUnits(const TReport& report)
{
    size_t units = 0;
    for (const TRegion* region : *report.Regions)
        units += region->Units->Count();
    return units;
}

size_t CountLayer(const TReport& report, int32_t layer)
{
    return static_cast<size_t>(std::count_if(report.Regions->begin(), report.Regions->end(),
        [layer](const TRegion* r) { return r->CZ == layer; }));
}

void BenchmarkMerge()
{
    crgen::GeneratorOptions options;
    options.Seed = 7;
    options.Regions = 27'000;
    options.UnitsPerRegion = 4;
    options.Turn = 2;
    const std::string older = crgen::GenerateReport(options);
    options.Turn = 3;
    const std::string newer = crgen::GenerateReport(options);

    bench::Times reading;
    int64_t held = 0;
    size_t regions = 0;
    size_t units = 0;
    for (int run = 0; run < kRuns; ++run) {
        const bench::HeapWatch heap;
        const bench::Stopwatch watch;
        const std::unique_ptr<TReport> report = bench::ReadGenerated(newer);
        reading.Keep(watch);
        if (run == 0)
            held = heap.Held();
        regions = report->Regions->Count();
        units = CountUnits(*report);
    }

    SilentDialogs dialogs;
    FirstChoice chooser;
    NullProgressPanel panel;
    AdaptationUi ui { dialogs, chooser, panel };
    bench::Times merging;
    size_t mergedUnits = 0;
    for (int run = 0; run < kRuns; ++run) {
        std::unique_ptr<TReport> database = bench::ReadGenerated(older);
        std::unique_ptr<TReport> added = bench::ReadGenerated(newer);
        const bench::Stopwatch watch;
        MergeReport(*database, *added, AdaptationOptions {}, ui);
        merging.Keep(watch);
        mergedUnits = CountUnits(*database);
    }

    const double mb = static_cast<double>(newer.size()) / 1e6;
    std::printf("merge input: turn T %.1f MB, turn T+1 %.1f MB, %zu regions, %zu units; "
                "%zu units after the merge (best of %d runs)\n",
        static_cast<double>(older.size()) / 1e6, mb, regions, units, mergedUnits, kRuns);
    bench::PrintTimeHeads();
    bench::PrintTimes("reference (read T+1 into a TReport)", reading, mb);
    bench::PrintTimes("merge T+1 into T", merging, mb);
    bench::PrintRatio(
        "ratio merge/reference", merging, reading, bench::RatioForm::Quotient, "aim at most 1.0");
    bench::PrintHeld("read T+1", held, -1, static_cast<double>(newer.size()), kAimHeld);
    std::printf("\n");
}

// Every pair of the two layers once, testing terrain compatibility: the
// floor under any search that looks at all pairs.
size_t ScanPairs(const TReport& x, const TReport& y, int32_t layer)
{
    std::vector<uint16_t> sets;
    std::vector<uint16_t> bits;
    for (const TRegion* a : *x.Regions) {
        if (a->CZ == layer)
            sets.push_back(a->EffectiveTerrainType()->TerrainSet());
    }
    for (const TRegion* b : *y.Regions) {
        if (b->CZ == layer) {
            const uint8_t number = b->EffectiveTerrainType()->TerrainNumber();
            bits.push_back(number < 16 ? static_cast<uint16_t>(1u << number) : 0);
        }
    }
    size_t compatible = 0;
    for (const uint16_t set : sets) {
        for (const uint16_t bit : bits)
            compatible += (set & bit) != 0 ? 1 : 0;
    }
    return compatible;
}

void BenchmarkAdaptation()
{
    crgen::GeneratorOptions options;
    options.Seed = 11;
    options.Regions = 11'112; // about nine tenths on layer 0
    options.UnitsPerRegion = 1;
    options.Turn = 1;
    const std::unique_ptr<TReport> x = bench::ReadGenerated(crgen::GenerateReport(options));
    options.Turn = 2;
    options.ShiftX = 37;
    options.ShiftY = -23;
    const std::unique_ptr<TReport> y = bench::ReadGenerated(crgen::GenerateReport(options));
    const size_t xLayer = CountLayer(*x, 0);
    const size_t yLayer = CountLayer(*y, 0);

    double reference = 1e30;
    size_t compatible = 0;
    for (int run = 0; run < kRuns; ++run) {
        const Clock::time_point start = Clock::now();
        compatible = ScanPairs(*x, *y, 0);
        reference = std::min(reference, Seconds(Clock::now() - start));
    }

    SilentDialogs dialogs;
    FirstChoice chooser;
    NullProgressPanel panel;
    AdaptationUi ui { dialogs, chooser, panel };
    AdaptationOptions adaptation;
    adaptation.Enabled = true;
    double layerZero = 1e30;
    double whole = 1e30;
    LayerShift found;
    for (int run = 0; run < kRuns; ++run) {
        Clock::time_point start = Clock::now();
        found = FindShift(*x, *y, 0, adaptation, ui);
        layerZero = std::min(layerZero, Seconds(Clock::now() - start));
        start = Clock::now();
        const AdaptationPlan plan = PlanAdaptation(*x, *y, adaptation, ui);
        whole = std::min(whole, Seconds(Clock::now() - start));
    }

    const double pairs = static_cast<double>(xLayer) * static_cast<double>(yLayer);
    std::printf("adaptation input: layer 0 of %zu and %zu regions (%.0f pairs, %zu of compatible "
                "terrain), origins %d, %d apart (best of %d runs)\n",
        xLayer, yLayer, pairs, compatible, options.ShiftX, options.ShiftY, kRuns);
    std::printf("reference (scan every pair once):  %8.4f s  %8.1f M pairs/s\n", reference,
        pairs / reference / 1e6);
    std::printf("search of layer 0:                 %8.4f s  %8.1f M pairs/s  shift (%d, %d), "
                "%zu shifts accepted\n",
        layerZero, pairs / layerZero / 1e6, found.Offset.Dx, found.Offset.Dy, found.AcceptedShifts);
    std::printf("adaptation of both layers:         %8.4f s\n", whole);
    std::printf("ratio search/reference: %.2f\n", layerZero / reference);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 0)
        SetProgramPath(argv[0]);
    GameDataInstance().Count(); // load the game data outside the measured runs
    BenchmarkMerge();
    BenchmarkAdaptation();
    return 0;
}
