// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a time-course chart of 50 series over 200 turns: the chart lines,
// the Qt chart built from them and its picture, as the window and
// maprune-cli chart draw it (aim: under 100 ms per chart).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <memory>
#include <random>
#include <vector>

#include "model/report.h"
#include "tools/series/chart_lines.h"
#include "tools/ui/chart/series_chart.h"

using namespace maprune;

namespace {

constexpr int kSeries = 50;
constexpr int kTurns = 200;

struct ChartWorld {
    std::unique_ptr<TReport> Report = CreateEmpty<TReport>(nullptr);
    std::vector<TSeries> Series;

    ChartWorld()
    {
        // Values as they change in a game: a few percent per turn.
        std::mt19937 random(5);
        std::uniform_int_distribution<int32_t> start(500, 20000);
        std::uniform_real_distribution<double> change(0.97, 1.035);
        for (int i = 0; i < kSeries; ++i) {
            auto region = CreateEmpty<TRegion>(Report.get());
            double value = start(random);
            for (int turn = 2; turn < 2 + kTurns; ++turn) {
                region->Peasants->AddValue(turn, static_cast<int32_t>(value));
                value *= change(random);
            }
            Series.push_back({ { "region", "Reihe " + std::to_string(i), "" },
                i % 2 == 0 ? -1.0 : 0.1, &*region->Peasants });
            Report->Regions->Add(std::move(region));
        }
    }
};

const ChartWorld& World()
{
    static const ChartWorld world;
    return world;
}

void BM_ChartLines(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawChart(World().Series));
    state.counters["series"] = kSeries;
    state.counters["turns"] = kTurns;
}
BENCHMARK(BM_ChartLines)->Unit(benchmark::kMicrosecond);

void BM_ChartPicture(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage picture = SeriesChartPicture(DrawChart(World().Series), QSize(800, 500));
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["series"] = kSeries;
    state.counters["turns"] = kTurns;
}
BENCHMARK(BM_ChartPicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
