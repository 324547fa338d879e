// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator over the 44,000-region synthetic world: parsing and
// evaluating region[x,y].bauern for every region, per expression (aim:
// under 20 µs).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/crgen/cr_generator.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "tools/calculator/calculator_answer.h"
#include "tools/calculator/report_calculator.h"

using namespace maprune;

namespace {

TReport& World()
{
    static const std::unique_ptr<TReport> world = [] {
        crgen::GeneratorOptions options;
        options.Seed = 1;
        options.Regions = 44'000;
        SilentDialogs dialogs;
        NullProgress progress;
        return ReadCR(crgen::GenerateReport(options), dialogs, progress, nullptr);
    }();
    return *world;
}

std::vector<std::string> Expressions()
{
    std::vector<std::string> expressions;
    for (const TRegion* region : *World().Regions)
        expressions.push_back("region[" + std::to_string(region->CX) + ","
            + std::to_string(region->CY) + "," + std::to_string(region->CZ) + "].bauern");
    return expressions;
}

// Parse, evaluate and the history object, as a chart series does.
void BM_ParseAndEvaluatePeasants(benchmark::State& state)
{
    const std::vector<std::string> expressions = Expressions();
    TReport& world = World();
    world.SetIndexed(true);
    size_t found = 0;
    for (auto _ : state) {
        for (const std::string& expression : expressions) {
            TReportCalculator calculator(&world);
            const TValue value = calculator.Evaluate(*TEvaluator::Parse(expression));
            found += calculator.ObjectOf(value) != nullptr ? 1 : 0;
        }
    }
    benchmark::DoNotOptimize(found);
    state.counters["regions"] = static_cast<double>(expressions.size());
    state.counters["us/expression"] = benchmark::Counter(
        static_cast<double>(state.iterations() * expressions.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * expressions.size()));
}
BENCHMARK(BM_ParseAndEvaluatePeasants)->Unit(benchmark::kMillisecond);

// The calculator window's path: parse, evaluate and the shown text.
void BM_CalculatorAnswer(benchmark::State& state)
{
    const std::vector<std::string> expressions = Expressions();
    TReport& world = World();
    world.SetIndexed(true);
    size_t length = 0;
    for (auto _ : state) {
        for (const std::string& expression : expressions)
            length += Calculate(&world, expression).Text.size();
    }
    benchmark::DoNotOptimize(length);
    state.counters["us/expression"] = benchmark::Counter(
        static_cast<double>(state.iterations() * expressions.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
}
BENCHMARK(BM_CalculatorAnswer)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc > 0)
        SetProgramPath(argv[0]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
