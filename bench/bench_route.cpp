// SPDX-License-Identifier: GPL-3.0-or-later
// The route optimiser and the trade routes on generated worlds, each against
// the literal algorithm (every pass walks all regions twice, one search per
// leg and per pair, permutations decoded one by one) in the same run:
// - one route search on the 40,000-region world (median of land routes
//   between random regions of the main layer);
// - optimising a run of 10 way points between two fixed ones on that world;
// - the trade routes on a world of 2,000 regions whose land regions all
//   qualify (prices and peasants set), walking. The literal trade search
//   needs one full search per pair; its time is the measured mean of such a
//   search times the number of pairs (marked "estimated").
// Times are processor times: the machines that run this are shared.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/crgen/cr_generator.h"
#include "bench/stopwatch.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "tests/tools/literal_route.h"
#include "tools/route/route.h"
#include "tools/route/route_optimiser.h"
#include "tools/trade/trade_routes.h"

using namespace maprune;

namespace {

std::unique_ptr<TReport> GeneratedWorld(int regions)
{
    crgen::GeneratorOptions options;
    options.Seed = 1;
    options.Regions = regions;
    options.Parties = 12;
    SilentDialogs dialogs;
    NullProgress progress;
    return ReadCR(crgen::GenerateReport(options), dialogs, progress, nullptr);
}

// The land regions of the main layer from which more than half of the
// others can be reached on foot (the biggest continent).
std::vector<TRegion*> MainLand(TReport& report)
{
    std::vector<TRegion*> land;
    for (TRegion* region : *report.Regions) {
        if (region->CZ == report.ActiveLayer && !literal::Ocean(*region))
            land.push_back(region);
    }
    const RouteGraph graph(report);
    size_t bestCount = 0;
    std::vector<TRegion*> best;
    std::mt19937 random(3);
    for (int attempt = 0; attempt < 20 && bestCount < land.size() / 2; ++attempt) {
        TRegion* start = land[random() % land.size()];
        RouteSearch search(graph);
        search.Run(graph.IndexOf(start), { 1, 2, false }, RouteGraph::kNone);
        std::vector<TRegion*> reached;
        for (TRegion* region : land) {
            if (search.Distance(graph.IndexOf(region)) < kUnreachableCost)
                reached.push_back(region);
        }
        if (reached.size() > bestCount) {
            bestCount = reached.size();
            best = reached;
        }
    }
    return best;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintRatio(const char* what, double fast, double literal, bool estimated = false)
{
    std::printf("%-44s fast %10.3f ms   literal %12.1f ms%s   ratio %8.1f\n", what, fast * 1e3,
        literal * 1e3, estimated ? " (estimated)" : "", literal / fast);
}

void BenchSearch(TReport& report, const std::vector<TRegion*>& land)
{
    const RouteGraph graph(report);
    std::mt19937 random(7);
    std::vector<double> fast;
    std::vector<double> slow;
    for (int i = 0; i < 41; ++i) {
        TRegion* from = land[random() % land.size()];
        TRegion* to = land[random() % land.size()];
        bench::Stopwatch watch;
        TRoute route(graph, {}, 2, 1, false, to, from);
        const int32_t turns = route.Turns();
        fast.push_back(watch.CpuSeconds());
        if (i < 5) {
            bench::Stopwatch literalWatch;
            const literal::Route expected
                = literal::SearchRoute(report, {}, 2, 1, false, to, from);
            slow.push_back(literalWatch.CpuSeconds());
            if (expected.Turns() != turns || expected.Path != route.Path())
                std::printf("MISMATCH of the search\n");
        }
    }
    PrintRatio("one route search (median)", Median(fast), Median(slow));
}

void BenchOptimise(TReport& report, const std::vector<TRegion*>& land)
{
    const RouteGraph graph(report);
    std::mt19937 random(11);
    std::vector<WayPoint> points;
    std::vector<std::pair<TRegion*, bool>> literalPoints;
    for (int i = 0; i < 12; ++i) {
        TRegion* region = land[random() % land.size()];
        const bool selected = i > 0 && i < 11;
        points.push_back({ region, selected });
        literalPoints.emplace_back(region, selected);
    }
    bench::Stopwatch watch;
    const std::vector<TRegion*> order = OptimiseWayPoints(graph, points, {}, 2, 1);
    const double fast = watch.CpuSeconds();
    bench::Stopwatch literalWatch;
    const std::vector<TRegion*> expected = literal::Optimise(report, literalPoints, {}, 2, 1);
    const double slow = literalWatch.CpuSeconds();
    if (order != expected)
        std::printf("MISMATCH of the optimiser\n");
    PrintRatio("optimising 10 way points", fast, slow);
}

// Every land region sells one luxury and buys the others, with enough
// peasants to trade.
size_t OpenMarkets(TReport& report)
{
    static const char* const kGoods[]
        = { "Balsam", "Gewürz", "Juwel", "Myrrhe", "Öl", "Seide", "Weihrauch" };
    std::mt19937 random(5);
    size_t markets = 0;
    for (TRegion* region : *report.Regions) {
        if (region->CZ != report.ActiveLayer || literal::Ocean(*region))
            continue;
        region->Peasants->AddValue(report.Turn + 1, 500 + static_cast<int32_t>(random() % 4000));
        region->Prices->Entries.clear();
        const size_t sold = random() % std::size(kGoods);
        for (size_t g = 0; g < std::size(kGoods); ++g) {
            const auto price = static_cast<int32_t>(5 + random() % 80);
            region->Prices->Entries.push_back({ g == sold ? -price : price, kGoods[g] });
        }
        ++markets;
    }
    return markets;
}

void BenchTrade()
{
    const std::unique_ptr<TReport> report = GeneratedWorld(2000);
    const size_t markets = OpenMarkets(*report);
    TradeInputs inputs;
    bench::Stopwatch watch;
    const TradeSearchResult result = FindTradeRoutes(*report, inputs);
    const double fast = watch.CpuSeconds();

    std::vector<TRegion*> qualifying;
    for (TRegion* region : *report->Regions) {
        if (QualifiesForTrade(*region, false))
            qualifying.push_back(region);
    }
    literal::LinkAll(*report);
    std::mt19937 random(13);
    constexpr int kSamples = 100;
    bench::Stopwatch literalWatch;
    for (int i = 0; i < kSamples; ++i)
        literal::SearchRoute(*report, {}, 2, 1, false, qualifying[random() % qualifying.size()],
            qualifying[random() % qualifying.size()]);
    const double perSearch = literalWatch.CpuSeconds() / kSamples;
    const double pairs
        = static_cast<double>(qualifying.size()) * static_cast<double>(qualifying.size() - 1);
    std::printf("trade world: %zu regions, %zu qualifying, %zu routes listed\n",
        report->Regions->Count(), markets, result.Routes.size());
    PrintRatio("trade routes, every land region qualifying", fast, perSearch * pairs, true);
}

} // namespace

int main(int, char** argv)
{
    SetProgramPath(argv[0]);
    GameDataInstance().Count();
    const std::unique_ptr<TReport> world = GeneratedWorld(40'000);
    const std::vector<TRegion*> land = MainLand(*world);
    std::printf("route world: %zu regions, %zu land regions on the main continent\n",
        world->Regions->Count(), land.size());
    BenchSearch(*world, land);
    BenchOptimise(*world, land);
    BenchTrade();
    return 0;
}
