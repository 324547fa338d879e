// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a synthetic report of today's format (version 69, about 30 MB) and,
// in the same run, the same world in the older format (version 36). Prints
// both throughputs and their ratio: today's reports hold more blocks per
// region (resources, borders, messages) and escaped strings, and the aim is
// that they read no slower per byte. Also prints each format's first read in
// this fresh process beside the best, and the heap the process's first
// report holds as a multiple of its file (aim: at most 5; later reports reuse
// the item pool's memory, which hides their heap).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/crgen/cr_generator.h"
#include "bench/heap_usage.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double Megabytes = 0;
    double Wall = 1e30; // best of the runs, seconds
    double Cpu = 1e30;
    double FirstWall = -1; // the first run, in a fresh process
    double FirstCpu = -1;
    double Held = 0; // heap the process's first report holds, bytes; 0 for the others
    size_t Regions = 0;
    size_t Warnings = 0;
};

std::filesystem::path WriteReport(const maprune::crgen::GeneratorOptions& options)
{
    const std::filesystem::path file = std::filesystem::temp_directory_path()
        / ("maprune_bench_cr_read_" + std::to_string(options.Format) + ".cr");
    const std::string report = maprune::crgen::GenerateReport(options);
    std::ofstream out(file, std::ios::binary);
    out.write(report.data(), static_cast<std::streamsize>(report.size()));
    return file;
}

// Reads `file` once and keeps the times if they are the best so far.
void ReadOnce(const std::filesystem::path& file, Figures& figures)
{
    using namespace maprune;
    SilentDialogs dialogs;
    NullProgress progress;
    std::vector<CRWarning> warnings;
    const bench::HeapWatch heap;
    const Clock::time_point wall = Clock::now();
    const std::clock_t cpu = std::clock();
    std::unique_ptr<TReport> report = ReadCRFile(file, dialogs, progress, &warnings);
    const double wallSeconds = std::chrono::duration<double>(Clock::now() - wall).count();
    const double cpuSeconds = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
    static bool firstInProcess = true;
    if (firstInProcess)
        figures.Held = static_cast<double>(heap.Held());
    firstInProcess = false;
    if (figures.FirstWall < 0) {
        figures.FirstWall = wallSeconds;
        figures.FirstCpu = cpuSeconds;
    }
    figures.Wall = std::min(figures.Wall, wallSeconds);
    figures.Cpu = std::min(figures.Cpu, cpuSeconds);
    figures.Megabytes = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    figures.Regions = report->Regions->Count();
    figures.Warnings = warnings.size();
}

void Print(const char* name, const Figures& f)
{
    std::printf("%-22s %6.1f MB %7zu regions %3zu warnings  %7.4f s %7.1f MB/s   %7.4f s %7.1f MB/s\n", name,
                f.Megabytes, f.Regions, f.Warnings, f.Wall, f.Megabytes / f.Wall, f.Cpu, f.Megabytes / f.Cpu);
    std::printf("%-22s %6s    %7s         %3s           %7.4f s %7.1f MB/s   %7.4f s %7.1f MB/s\n",
        "  first in process", "", "", "", f.FirstWall, f.Megabytes / f.FirstWall, f.FirstCpu,
        f.Megabytes / f.FirstCpu);
    if (f.Held > 0) {
        std::printf("%-22s report holds %.1f MB (%.2f x file, aim at most 5 x)\n", "", f.Held / 1e6,
            f.Held / 1e6 / f.Megabytes);
    }
}

} // namespace

int main(int argc, char** argv)
{
    using namespace maprune;
    if (argc > 0)
        SetProgramPath(argv[0]);
    constexpr int kRuns = 5;
    GameDataInstance().Count(); // load the game data outside the measured runs

    crgen::GeneratorOptions options;
    options.Seed = 1;
    options.Regions = 32'000;
    options.UnitsPerRegion = 3;
    options.Utf8 = true;
    const std::filesystem::path olderFile = WriteReport(options);
    options.Format = crgen::kTodayFormat;
    const std::filesystem::path todayFile = WriteReport(options);
    // The runs alternate, so that both formats meet the same load of a
    // shared machine.
    Figures older;
    Figures today;
    for (int run = 0; run < kRuns; ++run) {
        ReadOnce(olderFile, older);
        ReadOnce(todayFile, today);
    }
    std::filesystem::remove(olderFile);
    std::filesystem::remove(todayFile);

    std::printf("best of %d runs                                            wall clock            processor time\n",
                kRuns);
    Print("format 36 (older)", older);
    Print("format 69 (today)", today);
    std::printf("throughput today/older: wall %.2f, processor %.2f\n",
                (today.Megabytes / today.Wall) / (older.Megabytes / older.Wall),
                (today.Megabytes / today.Cpu) / (older.Megabytes / older.Cpu));
    return 0;
}
