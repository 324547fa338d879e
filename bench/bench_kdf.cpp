// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the database of a large synthetic report (44,000 regions, about
// 125,000 units, the size of the 20 MB crgen report) as a KDF file at zlib
// level 1 and loads it again; in the same run zlib alone compresses and
// inflates the same uncompressed content in memory as the reference.
// Throughputs are MB of uncompressed content per second, the ratios the KDF
// throughput over zlib's beside the aims (save >= 0.90, load >= 0.70).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include <zlib.h>

#include "bench/crgen/cr_generator.h"
#include "core/byte_coding.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "storage/kdf_file.h"
#include "storage/object_writer.h"

namespace {

using namespace maprune;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;

// The best wall-clock and processor time of the runs of one operation; on a
// machine that other work shares, the processor time is the fairer figure.
class Best {
public:
    template <class Operation>
    void Time(Operation operation)
    {
        const Clock::time_point wall = Clock::now();
        const std::clock_t cpu = std::clock();
        operation();
        FWall = std::min(FWall, std::chrono::duration<double>(Clock::now() - wall).count());
        FCpu = std::min(FCpu, static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC);
    }
    double Wall() const { return FWall; }
    double Cpu() const { return FCpu; }

private:
    double FWall = 1e30;
    double FCpu = 1e30;
};

std::string Deflate(const std::string& content)
{
    std::string out(compressBound(content.size()), '\0');
    uLongf length = out.size();
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &length,
                  reinterpret_cast<const Bytef*>(content.data()), content.size(), 1)
        != Z_OK)
        std::abort();
    out.resize(length);
    return out;
}

void Inflate(const std::string& deflated, std::string& out)
{
    uLongf length = out.size();
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                   reinterpret_cast<const Bytef*>(deflated.data()), deflated.size())
        != Z_OK)
        std::abort();
}

void PrintRow(const char* what, const Best& best, double mb)
{
    std::printf("%-26s %8.3f s %7.1f MB/s   %8.3f s %7.1f MB/s\n", what, best.Wall(),
                mb / best.Wall(), best.Cpu(), mb / best.Cpu());
}

void PrintRatio(const char* what, const Best& kdf, const Best& zlib, double aim)
{
    std::printf("%-26s %8.2f                %8.2f            (aim at least %.2f)\n", what,
        zlib.Wall() / kdf.Wall(), zlib.Cpu() / kdf.Cpu(), aim);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 0)
        SetProgramPath(argv[0]);
    crgen::GeneratorOptions options;
    options.Seed = 1;
    options.Regions = 44'000;
    options.UnitsPerRegion = 3;
    const std::string cr = crgen::GenerateReport(options);
    SilentDialogs dialogs;
    NullProgress progress;
    const std::unique_ptr<TReport> report = ReadCR(cr, dialogs, progress, nullptr);
    size_t units = 0;
    for (const TRegion* region : *report->Regions)
        units += region->Units->Count();

    ByteWriter record;
    WriteObject(*report, record);
    const std::string content = record.Take();
    const std::string deflated = Deflate(content);
    std::string inflated(content.size(), '\0');
    const std::filesystem::path file
        = std::filesystem::temp_directory_path() / "maprune_bench_kdf.kdf";

    Best save;
    Best deflate;
    Best load;
    Best inflate;
    for (int run = 0; run < kRuns; ++run) {
        save.Time([&] { SaveKdfFile(*report, file, KdfWriteOptions{true}, progress); });
        deflate.Time([&] { Deflate(content); });
        std::unique_ptr<TReport> loaded;
        load.Time([&] { loaded = LoadKdfFile(file, progress); });
        inflate.Time([&] { Inflate(deflated, inflated); });
    }
    const auto fileBytes = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);

    const double mb = static_cast<double>(content.size()) / 1e6;
    std::printf("input: CR %.1f MB, %zu regions, %zu units; uncompressed KDF content %.1f MB, "
                "KDF file at level 1 %.1f MB (best of %d runs)\n",
                static_cast<double>(cr.size()) / 1e6, report->Regions->Count(), units, mb,
                fileBytes / 1e6, kRuns);
    std::printf("%-26s %21s   %21s\n", "", "wall clock", "processor time");
    PrintRow("KDF save (level 1)", save, mb);
    PrintRow("zlib deflate (level 1)", deflate, mb);
    PrintRow("KDF load", load, mb);
    PrintRow("zlib inflate", inflate, mb);
    PrintRatio("ratio save/deflate", save, deflate, 0.90);
    PrintRatio("ratio load/inflate", load, inflate, 0.70);
    return 0;
}
