// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the full CR of a large synthetic report (44,000 regions) and, in
// the same run, reads that report as the reference: the writer should be at
// least as fast as the reader. Then builds the order file of a party with
// 10,000 units. Prints sizes, times, throughputs and the ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "bench/crgen/cr_generator.h"
#include "bench/stopwatch.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "core/string_sink.h"
#include "model/game_data.h"
#include "model/report.h"
#include "orders/order_file.h"
#include "report/cr_reader.h"
#include "report/cr_writer.h"

namespace {

using maprune::bench::Stopwatch;
using maprune::bench::Times;

void Print(const char* what, const Times& t, double mb)
{
    std::printf("%-34s %7.4f s %7.1f MB/s   %7.4f s %7.1f MB/s\n", what, t.Wall, mb / t.Wall, t.Cpu,
        mb / t.Cpu);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace maprune;
    if (argc > 0)
        SetProgramPath(argv[0]);
    constexpr int kRuns = 5;
    constexpr size_t kPartyUnits = 10'000;

    crgen::GeneratorOptions options;
    options.Seed = 1;
    options.Regions = 44'000;
    options.UnitsPerRegion = 3;
    const std::string generated = crgen::GenerateReport(options);
    GameDataInstance().Count(); // load the game data outside the measured runs

    SilentDialogs dialogs;
    NullProgress progress;
    std::unique_ptr<TReport> report = ReadCR(generated, dialogs, progress, nullptr);
    std::string written;
    Times writing;
    for (int run = 0; run < kRuns; ++run) {
        StringSink sink;
        const Stopwatch watch;
        WriteCRExtract(*report, CRExtractOptions::Everything(), true, sink);
        writing.Keep(watch);
        written = sink.Take();
    }
    Times reading;
    size_t regions = 0;
    for (int run = 0; run < kRuns; ++run) {
        const Stopwatch watch;
        const std::unique_ptr<TReport> again = ReadCR(written, dialogs, progress, nullptr);
        reading.Keep(watch);
        regions = again->Regions->Count();
    }

    // The first 10,000 units become the active party's, with orders; the
    // party's other units go to the monsters.
    size_t units = 0;
    for (TRegion* region : *report->Regions) {
        for (TUnit* unit : *region->Units) {
            if (units == kPartyUnits) {
                if (unit->Party == report->ActiveParty)
                    unit->Party = 0;
                continue;
            }
            unit->Party = report->ActiveParty;
            if (unit->Commands->Count() == 0)
                unit->Commands->Add("BENENNE EINHEIT Der~alte~Turm");
            ++units;
        }
    }
    Times ordering;
    size_t orderBytes = 0;
    size_t orderLines = 0;
    for (int run = 0; run < kRuns; ++run) {
        StringSink sink;
        const Stopwatch watch;
        const TextLines lines = BuildOrderFile(*report, dialogs);
        WriteTextLines(lines, sink);
        ordering.Keep(watch);
        orderBytes = sink.Bytes().size();
        orderLines = lines.size();
    }

    const double mb = static_cast<double>(written.size()) / 1e6;
    std::printf("full CR: %.1f MB, %zu regions (best of %d runs)\n", mb, regions, kRuns);
    std::printf("                                    wall clock            processor time\n");
    Print("reference (read the written CR):", reading, mb);
    Print("write the full CR:", writing, mb);
    std::printf("ratio write/read time:              %.2f                   %.2f\n",
        writing.Wall / reading.Wall, writing.Cpu / reading.Cpu);
    const double orderMb = static_cast<double>(orderBytes) / 1e6;
    std::printf(
        "order file of a party with %zu units: %.2f MB, %zu lines\n", units, orderMb, orderLines);
    Print("build and write the order file:", ordering, orderMb);
    return 0;
}
