// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a large synthetic report (44,000 regions, about 125,000 units)
// into a TReport and, in the same run, reads the same file and counts its
// lines as the reference. Prints both throughputs, their ratio beside the aim
// (at least a twelfth of the line scan), the first read in this fresh process
// beside the best of several, and the heap the finished report holds and the
// read needed at its peak as multiples of the file (aim: at most 5).
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bench/crgen/cr_generator.h"
#include "bench/figure_print.h"
#include "bench/heap_usage.h"
#include "bench/stopwatch.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "core/read_file.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"

namespace {

using maprune::bench::HeapWatch;
using maprune::bench::PrintHeld;
using maprune::bench::PrintRatio;
using maprune::bench::PrintTimeHeads;
using maprune::bench::PrintTimes;
using maprune::bench::RatioForm;
using maprune::bench::Stopwatch;
using maprune::bench::Times;

constexpr const char* kAimRatio = "aim 1/12 or better"; // of the line scan
constexpr double kAimHeld = 5; // the report at most 5 times the file

} // namespace

int main(int argc, char** argv)
{
    using namespace maprune;
    if (argc > 0)
        SetProgramPath(argv[0]);
    constexpr int kRuns = 5;

    crgen::GeneratorOptions options;
    options.Seed = 1;
    options.Regions = 44'000;
    options.UnitsPerRegion = 3;
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "maprune_bench_cr_read.cr";
    {
        const std::string report = crgen::GenerateReport(options);
        std::ofstream out(file, std::ios::binary);
        out.write(report.data(), static_cast<std::streamsize>(report.size()));
    }
    const auto fileBytes = static_cast<double>(std::filesystem::file_size(file));
    GameDataInstance().Count(); // load the game data outside the measured runs

    // Wall-clock and processor time of the best run each; on a machine that
    // other work shares, the processor time is the fairer figure.
    Times reference;
    int64_t lines = 0;
    for (int run = 0; run < kRuns; ++run) {
        const Stopwatch watch;
        const std::string bytes = ReadFileBytes(file, kMaxCRFileBytes);
        lines = std::count(bytes.begin(), bytes.end(), '\n'); // a plain scan
        reference.Keep(watch);
    }

    SilentDialogs dialogs;
    NullProgress progress;
    Times full;
    int64_t held = 0;
    int64_t peak = 0;
    size_t regions = 0;
    size_t units = 0;
    for (int run = 0; run < kRuns; ++run) {
        const HeapWatch heap;
        const Stopwatch watch;
        std::unique_ptr<TReport> report = ReadCRFile(file, dialogs, progress, nullptr);
        full.Keep(watch);
        if (run == 0) {
            // Later runs reuse the item pool's memory, which the first run took.
            held = heap.Held();
            peak = heap.Peak();
        }
        regions = report->Regions->Count();
        units = 0;
        for (const TRegion* region : *report->Regions)
            units += region->Units->Count();
    }
    std::filesystem::remove(file);

    const double mb = fileBytes / 1e6;
    std::printf("input: %.1f MB, %lld lines, %zu regions, %zu units (best of %d runs)\n", mb,
        static_cast<long long>(lines), regions, units, kRuns);
    PrintTimeHeads();
    PrintTimes("reference (read file, count lines)", reference, mb);
    PrintTimes("full read into a TReport", full, mb);
    PrintRatio("ratio read/reference", full, reference, RatioForm::Fraction, kAimRatio);
    PrintHeld("the finished report", held, peak, fileBytes, kAimHeld);
    return 0;
}
