// SPDX-License-Identifier: GPL-3.0-or-later
// Region index and number map lookups on a million items.
#include <benchmark/benchmark.h>

#include <random>

#include "model/fast_region_list.h"
#include "model/ni_list.h"
#include "model/report.h"

using namespace maprune;

namespace {

constexpr int kSide = 1000; // 1000 x 1000 = 1,000,000 regions

std::unique_ptr<TReport> MakeWorld()
{
    auto report = CreateEmpty<TReport>(nullptr);
    report->Regions->Reserve(kSide * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            auto region = CreateEmpty<TRegion>(report.get());
            region->CX = x - kSide / 2;
            region->CY = y - kSide / 2;
            report->Regions->Add(std::move(region));
        }
    }
    return report;
}

void BM_FindRegion(benchmark::State& state)
{
    static const std::unique_ptr<TReport> world = MakeWorld();
    TFastRegionList index(*world->Regions);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> coordinate(-kSide / 2, kSide / 2 - 1);
    const uint64_t probesBefore = TFastRegionList::ProbeCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(index.FindRegion(coordinate(random), coordinate(random), 0));
    }
    state.counters["regions"] = static_cast<double>(world->Regions->Count());
    state.counters["probes/lookup"] = benchmark::Counter(
        static_cast<double>(TFastRegionList::ProbeCount() - probesBefore),
        benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FindRegion);

std::vector<std::unique_ptr<TUnit>> MakeUnits(TReport& report, int count)
{
    std::vector<std::unique_ptr<TUnit>> units;
    units.reserve(static_cast<size_t>(count));
    std::mt19937 random(7);
    // Unit numbers of a big game: spread over the five-digit base-36 range.
    std::uniform_int_distribution<int32_t> number(1, 60466175);
    for (int i = 0; i < count; ++i) {
        auto unit = CreateEmpty<TUnit>(&report);
        unit->Nr = number(random);
        units.push_back(std::move(unit));
    }
    return units;
}

void BM_NIListAddAndFind(benchmark::State& state)
{
    constexpr int kItems = 1000000;
    auto report = CreateEmpty<TReport>(nullptr);
    const auto units = MakeUnits(*report, kItems);
    for (auto _ : state) {
        TNIList list;
        for (const auto& unit : units)
            list.AddEntry(unit.get(), nullptr);
        for (const auto& unit : units)
            benchmark::DoNotOptimize(list.FindItem(unit->Nr));
    }
    // items_per_second counts one addition and one lookup as two operations.
    state.SetItemsProcessed(state.iterations() * 2 * kItems);
}
BENCHMARK(BM_NIListAddAndFind)->Unit(benchmark::kMillisecond);

} // namespace
