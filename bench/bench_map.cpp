// SPDX-License-Identifier: GPL-3.0-or-later
// The map core on a world of 40,000 regions (a 200 x 200 hex grid, a third
// of it water, 60 parties with units and political summaries of two turns):
// building the drawing index, finding the regions of a 1920 x 1080 view
// (reference: a scan of all regions of the layer; "ratio" is the tree's time
// over the scan's), building the whole report index (reference: the
// coordinate hash alone), and the statistic and political colourings of the
// layer.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "map/bsp_tree.h"
#include "map/hex_geometry.h"
#include "map/map_colouring.h"
#include "map/map_extent.h"
#include "map/map_state.h"
#include "model/fast_region_list.h"
#include "model/game_data.h"
#include "model/report.h"

using namespace maprune;

namespace {

constexpr int kSide = 200;
constexpr int kParties = 60;
constexpr MapLayout kLayout = MapLayout::XAxisWestEast;

struct World {
    std::unique_ptr<TReport> Report = CreateEmpty<TReport>(nullptr);
    GameRecord Land;
    GameRecord Water;

    World()
    {
        Land.SetByte(16, KindTerrain);
        Land.SetInt32(20, 10000);
        Water.SetByte(16, KindTerrain);
        Water.SetByte(24, 1);
        TReport& report = *Report;
        report.ActiveLayer = 0;
        report.ActiveParty = 1;
        report.Turn = 2;
        for (int nr = 1; nr <= kParties; ++nr) {
            auto party = CreateEmpty<TParty>(Report.get());
            party->Nr = nr;
            party->Name = "Partei " + std::to_string(nr);
            if (nr == 1) {
                for (int ally : { 2, 3, 4 }) {
                    auto entry = CreateEmpty<TAlly>(Report.get());
                    entry->Party = ally;
                    party->Allies->Add(std::move(entry));
                }
            }
            report.Parties->Add(std::move(party));
        }
        std::mt19937 random(42);
        std::uniform_int_distribution<int> percent(0, 99);
        std::uniform_int_distribution<int> partyOf(1, kParties);
        std::uniform_int_distribution<int> persons(1, 200);
        report.Regions->Reserve(kSide * kSide);
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                auto region = CreateEmpty<TRegion>(Report.get());
                region->CX = x - y / 2;
                region->CY = y;
                const bool water = percent(random) < 33;
                region->TerrainType = water ? &Water : &Land;
                region->FullInfoDate = 2;
                if (!water) {
                    region->Peasants->AddValue(2, 1000 + percent(random) * 50);
                    region->Trees->AddValue(2, percent(random) * 10);
                    region->Silver->AddValue(2, percent(random) * 1000);
                    const int units = percent(random) % 4;
                    for (int u = 0; u < units; ++u) {
                        auto unit = CreateEmpty<TUnit>(Report.get());
                        unit->Party = partyOf(random);
                        unit->Count->AddValue(2, persons(random));
                        unit->Weapons = persons(random) / 2;
                        region->Units->Add(std::move(unit));
                    }
                    for (int turn = 1; turn <= 2; ++turn) {
                        for (const TUnit* unit : *region->Units) {
                            region->ReadTurn = turn;
                            TPoliticInfo::CreateForParty(Report.get(), unit->Party, *region);
                        }
                    }
                }
                report.Regions->Add(std::move(region));
            }
        }
    }
};

const World& TheWorld()
{
    static const World world;
    return world;
}

// `count` map rectangles of the view size at random places over the layer.
std::vector<MapRect> Views(int count)
{
    const MapExtent extent = ComputeMapExtent(*TheWorld().Report, kLayout);
    std::mt19937 random(7);
    std::uniform_int_distribution<int64_t> x(
        extent.MapLeft, extent.MapLeft + extent.MapWidth - 1920);
    std::uniform_int_distribution<int64_t> y(
        extent.MapTop, extent.MapTop + extent.MapHeight - 1080);
    std::vector<MapRect> views;
    for (int i = 0; i < count; ++i) {
        const int64_t left = x(random);
        const int64_t top = y(random);
        views.push_back({ left, top, left + 1920, top + 1080 });
    }
    return views;
}

template <typename Query>
double NanosecondsPerQuery(const std::vector<MapRect>& views, int64_t queries, Query query)
{
    std::vector<TRegion*> found;
    const auto start = std::chrono::steady_clock::now();
    for (int64_t n = 0; n < queries; ++n) {
        found.clear();
        query(views[static_cast<size_t>(n) % views.size()], found);
        benchmark::DoNotOptimize(found.data());
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::nano>(elapsed).count() / static_cast<double>(queries);
}

void BM_BuildBSPTree(benchmark::State& state)
{
    const TReport& report = *TheWorld().Report;
    size_t nodes = 0;
    size_t largestLeaf = 0;
    for (auto _ : state) {
        auto tree = BuildBSPTree(*report.Regions, 0, kLayout);
        benchmark::DoNotOptimize(tree.get());
        state.PauseTiming();
        nodes = 0;
        std::vector<const TBSPTree*> pending { tree.get() };
        while (!pending.empty()) {
            const TBSPTree* node = pending.back();
            pending.pop_back();
            ++nodes;
            if (node->IsSplit()) {
                pending.push_back(node->First());
                pending.push_back(node->Second());
            } else {
                largestLeaf = std::max(largestLeaf, node->NodeRegions().size());
            }
        }
        state.ResumeTiming();
    }
    state.counters["regions"] = static_cast<double>(report.Regions->Count());
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["largest_leaf"] = static_cast<double>(largestLeaf);
    state.counters["regions/s"] = benchmark::Counter(
        static_cast<double>(report.Regions->Count()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BuildBSPTree)->Unit(benchmark::kMillisecond);

void BM_SetIndexed(benchmark::State& state)
{
    TReport& report = *TheWorld().Report;
    TMapState map(report);
    for (auto _ : state) {
        report.SetIndexed(true);
        benchmark::DoNotOptimize(map.BSPTree());
        state.PauseTiming();
        report.SetIndexed(false);
        state.ResumeTiming();
    }
    const auto start = std::chrono::steady_clock::now();
    constexpr int kRounds = 10;
    for (int i = 0; i < kRounds; ++i) {
        TFastRegionList hash(*report.Regions);
        benchmark::DoNotOptimize(hash.Capacity());
    }
    const double hashMs
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count()
        / kRounds;
    state.counters["regions"] = static_cast<double>(report.Regions->Count());
    state.counters["hash_only_ms"] = hashMs;
}
BENCHMARK(BM_SetIndexed)->Unit(benchmark::kMillisecond);

void BM_RegionsMeetingView(benchmark::State& state)
{
    const TReport& report = *TheWorld().Report;
    const auto tree = BuildBSPTree(*report.Regions, 0, kLayout);
    const std::vector<MapRect> views = Views(1000);
    std::vector<TRegion*> found;
    size_t i = 0;
    size_t yielded = 0;
    for (auto _ : state) {
        found.clear();
        RegionsMeeting(*tree, views[i], found);
        yielded += found.size();
        benchmark::DoNotOptimize(found.data());
        i = i + 1 == views.size() ? 0 : i + 1;
    }

    const int64_t queries = 2000;
    const auto byTree = [&](const MapRect& view, std::vector<TRegion*>& out) {
        RegionsMeeting(*tree, view, out);
    };
    const auto byScan = [&](const MapRect& view, std::vector<TRegion*>& out) {
        for (TRegion* region : *report.Regions) {
            if (region->CZ == report.ActiveLayer
                && TileRect(region->CX, region->CY, kLayout).Intersects(view))
                out.push_back(region);
        }
    };
    const double own = NanosecondsPerQuery(views, queries, byTree);
    const double scan = NanosecondsPerQuery(views, queries, byScan);
    state.counters["regions"] = static_cast<double>(report.Regions->Count());
    state.counters["found/query"] = static_cast<double>(yielded)
        / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["us/query"] = own / 1000;
    state.counters["scan_us/query"] = scan / 1000;
    state.counters["ratio"] = own / scan;
}
BENCHMARK(BM_RegionsMeetingView)->Unit(benchmark::kMicrosecond);

void BM_ComputeStatisticColours(benchmark::State& state)
{
    TReport& report = *TheWorld().Report;
    const auto kind = static_cast<StatisticKind>(state.range(0));
    TMapState map(report);
    MapColouring colouring;
    for (auto _ : state)
        colouring.SetStatistic(map, kind);
    state.SetLabel(std::string(Statistic(kind).Name));
    state.counters["regions"] = static_cast<double>(report.Regions->Count());
    state.counters["regions/s"] = benchmark::Counter(
        static_cast<double>(report.Regions->Count()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ComputeStatisticColours)
    ->Arg(static_cast<int>(StatisticKind::Peasants))
    ->Arg(static_cast<int>(StatisticKind::FreeWorkPlacesShare))
    ->Arg(static_cast<int>(StatisticKind::HostileArmedPersons))
    ->Unit(benchmark::kMillisecond);

void BM_ComputePoliticColours(benchmark::State& state)
{
    TReport& report = *TheWorld().Report;
    const bool byAlliance = state.range(0) != 0;
    AllianceList alliances;
    for (int a = 0; a < 10; ++a) {
        Alliance alliance { "Bund " + std::to_string(a), {} };
        for (int m = 0; m < 4; ++m)
            alliance.Members.push_back({ "Partei", 1 + a * 6 + m });
        alliances.push_back(alliance);
    }
    TMapState map(report);
    MapColouring colouring;
    colouring.ReportLoaded(report);
    size_t shares = 0;
    for (auto _ : state)
        colouring.ComputePoliticColours(map, alliances, byAlliance, PersonsMode::Persons, 2);
    for (const TRegion* region : *report.Regions)
        shares += map.Colours(*region).PoliticShares.Shares().size();
    state.SetLabel(byAlliance ? "nach Bündnissen" : "nach Parteien");
    state.counters["regions"] = static_cast<double>(report.Regions->Count());
    state.counters["shares"] = static_cast<double>(shares);
    state.counters["regions/s"] = benchmark::Counter(
        static_cast<double>(report.Regions->Count()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ComputePoliticColours)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
