// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a large database as a KDF file at zlib level 1 and loading it again,
// against zlib alone compressing and inflating the same uncompressed content
// in memory. Throughputs are in MB of uncompressed content per second; the
// ratios are the KDF throughput over zlib's (targets: save >= 0.6, load >= 0.5).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include <zlib.h>

#include "core/byte_coding.h"
#include "core/progress.h"
#include "model/report.h"
#include "storage/kdf_file.h"
#include "storage/object_writer.h"

using namespace maprune;

namespace {

constexpr int kRegions = 40000;
constexpr int kUnitsPerRegion = 3;
constexpr int kTurns = 4;

template <class T>
T& AddTo(TTypedList<T>& list)
{
    auto item = CreateEmpty<T>(list.Owner());
    T& added = *item;
    list.Add(std::move(item));
    return added;
}

// A database of several turns: 40,000 regions with their histories, prices
// and texts, 120,000 units with histories, items, talents and orders.
std::unique_ptr<TReport> LargeReport()
{
    std::mt19937 random(7);
    const auto below = [&random](uint32_t n) { return static_cast<int32_t>(random() % n); };
    auto report = CreateEmpty<TReport>(nullptr);
    for (int p = 1; p <= 60; ++p) {
        TParty& party = AddTo(*report->Parties);
        party.Nr = p * 1297;
        party.Name = "Partei Nummer " + std::to_string(p);
        party.Type_ = p % 3 == 0 ? "Zwerge" : "Elfen";
        party.Turn = 200 + kTurns;
        for (int t = 1; t <= kTurns; ++t)
            party.Points->AddValue(200 + t, 1000 * t + below(500));
        party.Messages->SetText("Die Partei hat neue Meldungen erhalten.\r\nNoch eine Meldung.\r\n");
    }
    const char* terrains[] = {"Ebene", "Wald", "Berge", "Ozean", "Sumpf", "Hochland", "Wueste"};
    const char* goods[] = {"Balsam", "Gewuerz", "Juwel", "Myrrhe", "Oel", "Seide", "Weihrauch"};
    for (int i = 0; i < kRegions; ++i) {
        TRegion& region = AddTo(*report->Regions);
        region.CX = i % 200 - 100;
        region.CY = i / 200 - 100;
        region.Terrain = terrains[below(7)];
        region.Name = "Region " + std::to_string(i);
        region.FullInfoDate = 200 + kTurns;
        region.InfoDate = 200 + kTurns;
        for (int t = 1; t <= kTurns; ++t) {
            region.Peasants->AddValue(200 + t, below(6000));
            region.Silver->AddValue(200 + t, below(120000));
            region.Horses->AddValue(200 + t, below(200));
            region.Trees->AddValue(200 + t, below(900));
            region.Wages->AddValue(200 + t, 11 + below(5));
        }
        for (const char* good : goods)
            region.Prices->Entries.push_back({below(60) - 30, good});
        if (i % 3 == 0)
            region.Surrounding->SetText("Im Norden liegt ein Wald, im Osten ein Sumpf.\r\n");
        TPoliticInfo& politic = AddTo(*region.Politic);
        politic.Party = 1297;
        politic.Turn = 200 + kTurns;
        for (int u = 0; u < kUnitsPerRegion; ++u) {
            TUnit& unit = AddTo(*region.Units);
            unit.Nr = i * kUnitsPerRegion + u + 1;
            unit.Party = (below(60) + 1) * 1297;
            unit.Name = "Einheit " + std::to_string(unit.Nr);
            unit.Type_ = "Elfen";
            for (int t = 1; t <= kTurns; ++t) {
                unit.Count->AddValue(200 + t, 1 + below(100));
                unit.Silver->AddValue(200 + t, below(5000));
            }
            unit.Items->Entries = {{"Schwert", below(50)}, {"Pferd", below(10)}, {"Holz", 3}};
            unit.Talents->Entries = {{"Hiebwaffen", 30 * below(20), 3}, {"Reiten", 90, 1}};
            unit.Commands->SetText("LERNE Hiebwaffen\r\n// Wache am Fluss\r\n");
            if (u == 0)
                unit.Descr = "Die Wache der Region, stets aufmerksam.";
        }
    }
    report->Finish();
    return report;
}

struct Fixture {
    std::unique_ptr<TReport> Report = LargeReport();
    std::string Content; // the uncompressed content of the KDF file
    std::string Deflated;
    std::filesystem::path File = std::filesystem::temp_directory_path() / "maprune-bench.kdf";

    Fixture()
    {
        ByteWriter out;
        WriteObject(*Report, out);
        Content = out.Take();
        Deflated = Deflate(Content);
        NullProgress progress;
        SaveKdfFile(*Report, File, KdfWriteOptions{true}, progress);
    }
    ~Fixture()
    {
        std::error_code ignored;
        std::filesystem::remove(File, ignored);
    }

    static std::string Deflate(const std::string& content)
    {
        std::string out(compressBound(content.size()), '\0');
        uLongf length = out.size();
        compress2(reinterpret_cast<Bytef*>(out.data()), &length,
                  reinterpret_cast<const Bytef*>(content.data()), content.size(), 1);
        out.resize(length);
        return out;
    }
};

Fixture& Data()
{
    static Fixture fixture;
    return fixture;
}

void BM_KdfSave(benchmark::State& state)
{
    Fixture& data = Data();
    NullProgress progress;
    for (auto _ : state)
        SaveKdfFile(*data.Report, data.File, KdfWriteOptions{true}, progress);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.Content.size()));
}

void BM_ZlibDeflate(benchmark::State& state)
{
    Fixture& data = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(Fixture::Deflate(data.Content));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.Content.size()));
}

void BM_KdfLoad(benchmark::State& state)
{
    Fixture& data = Data();
    NullProgress progress;
    for (auto _ : state) {
        std::unique_ptr<TReport> report = LoadKdfFile(data.File, progress);
        state.PauseTiming();
        report.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.Content.size()));
}

void BM_ZlibInflate(benchmark::State& state)
{
    Fixture& data = Data();
    std::string out(data.Content.size(), '\0');
    for (auto _ : state) {
        uLongf length = out.size();
        uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                   reinterpret_cast<const Bytef*>(data.Deflated.data()), data.Deflated.size());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.Content.size()));
}

BENCHMARK(BM_KdfSave)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ZlibDeflate)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_KdfLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ZlibInflate)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

// Prints the usual table and keeps each benchmark's throughput for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> BytesPerSecond;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto it = run.counters.find("bytes_per_second");
            if (it != run.counters.end())
                BytesPerSecond[run.benchmark_name()] = it->second;
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    Fixture& data = Data();
    auto rate = [&reporter](const char* name) {
        const auto it = reporter.BytesPerSecond.find(std::string(name) + "/min_time:2.000/real_time");
        return it == reporter.BytesPerSecond.end() ? 0.0 : it->second / 1e6;
    };
    const double save = rate("BM_KdfSave");
    const double deflate = rate("BM_ZlibDeflate");
    const double load = rate("BM_KdfLoad");
    const double inflate = rate("BM_ZlibInflate");
    std::printf("\nuncompressed content: %.1f MB (%d regions, %d units); KDF file at level 1: "
                "%.1f MB\n",
                data.Content.size() / 1e6, kRegions, kRegions * kUnitsPerRegion,
                std::filesystem::file_size(data.File) / 1e6);
    std::printf("save %.1f MB/s, zlib deflate %.1f MB/s: ratio %.2f (target 0.60)\n", save,
                deflate, deflate > 0 ? save / deflate : 0.0);
    std::printf("load %.1f MB/s, zlib inflate %.1f MB/s: ratio %.2f (target 0.50)\n", load,
                inflate, inflate > 0 ? load / inflate : 0.0);
    benchmark::Shutdown();
    return 0;
}
