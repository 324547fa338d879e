// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the map view on a generated world of 40,000 regions: a full redraw
// of a 1920 x 1080 view in the middle of the map and scroll steps of 64
// pixels (the uncovered strip drawn, the rest moved), in milliseconds per
// frame, for every text style in both colourings and without text; and full
// redraws zoomed out, down to the whole layer in the view. Reference: one
// copy of the whole view picture; the ratio is the redraw's processor time
// over the reference's. Aim: a full redraw within kAimMs in every style.
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/crgen/cr_generator.h"
#include "bench/stopwatch.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "map/map_colouring.h"
#include "map/map_navigation.h"
#include "map/map_state.h"
#include "map/map_zoom.h"
#include "map/tile_text.h"
#include "map/ui/render/map_canvas.h"
#include "map/ui/render/map_pictures.h"
#include "map/ui/render/tile_renderer.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"

using namespace maprune;

namespace {

constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 1080;
constexpr int kFrames = 60;
constexpr double kAimMs = 8.0;

// Milliseconds per frame: the best and the median wall-clock time, and the
// processor time of all frames over their number. On a machine that other
// work shares, the processor time is the fairer figure.
struct Timing {
    double Best = 0;
    double Median = 0;
    double Cpu = 0;
};

Timing Measure(const std::function<void()>& frame)
{
    std::vector<double> times;
    const bench::Stopwatch all;
    for (int i = 0; i < kFrames; ++i) {
        const bench::Stopwatch watch;
        frame();
        times.push_back(1000 * watch.WallSeconds());
    }
    std::sort(times.begin(), times.end());
    return { times.front(), times[times.size() / 2], 1000 * all.CpuSeconds() / kFrames };
}

void Print(const char* what, const Timing& timing, double reference, size_t drawn)
{
    std::printf("%-52s %7.3f %7.3f %7.3f ms  %4zu regions  ratio %5.1f", what, timing.Best,
        timing.Median, timing.Cpu, drawn, timing.Cpu / reference);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 0)
        SetProgramPath(argv[0]);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    crgen::GeneratorOptions options;
    options.Seed = 1;
    options.Regions = 40'000;
    options.Parties = 12;
    const std::string bytes = crgen::GenerateReport(options);
    SilentDialogs dialogs;
    NullProgress progress;
    GameDataInstance().Count();
    std::unique_ptr<TReport> report = ReadCR(bytes, dialogs, progress, nullptr);

    const TMapPictures pictures(MapLayout::XAxisWestEast);
    TTileRenderer tiles(pictures, dialogs);
    TMapCanvas canvas(tiles);
    canvas.Resize(kViewWidth, kViewHeight);
    MapViewState view;
    view.ViewWidth = kViewWidth;
    view.ViewHeight = kViewHeight;
    TMapState state(*report);
    RebuildView(state, view);
    ScrollBy(view, view.Horizontal.Maximum / 2, view.Vertical.Maximum / 2);
    state.BSPTree(); // built on first use, outside the measured frames

    size_t layerRegions = 0;
    for (const TRegion* region : *report->Regions)
        layerRegions += region->CZ == report->ActiveLayer ? 1 : 0;
    std::printf("input: %.1f MB report, %zu regions, %zu on the active layer, map %lld x %lld "
                "pixels, view %d x %d, %d frames each\n",
        static_cast<double>(bytes.size()) / 1e6, report->Regions->Count(), layerRegions,
        static_cast<long long>(view.Extent.MapWidth), static_cast<long long>(view.Extent.MapHeight),
        kViewWidth, kViewHeight, kFrames);

    QImage copy(kViewWidth, kViewHeight, QImage::Format_RGB32);
    const Timing reference = Measure([&] {
        std::memcpy(
            copy.bits(), canvas.Image().constBits(), static_cast<size_t>(copy.sizeInBytes()));
    });
    std::printf("%-52s %7s %7s %7s\n", "per frame", "best", "median", "cpu");
    std::printf("%-52s %7.3f %7.3f %7.3f ms\n", "reference: copy of the view picture",
        reference.Best, reference.Median, reference.Cpu);

    // Full redraws of the view at 64 pixels are held to the aim.
    auto full = [&](const char* what, bool aimed = false) {
        const Timing timing = Measure([&] { canvas.Redraw(&state, view, 0, 0, nullptr); });
        Print(what, timing, reference.Cpu, canvas.LastDrawnCount());
        if (aimed)
            std::printf("  aim %.0f ms: %s", kAimMs, timing.Cpu <= kAimMs ? "met" : "MISSED");
        std::printf("\n");
    };
    // Alternate directions so that the view stays in the middle.
    auto scroll = [&](const char* what, int64_t dx, int64_t dy) {
        int direction = 1;
        const Timing timing = Measure([&] {
            const ScrollResult moved = ScrollBy(view, direction * dx, direction * dy);
            canvas.Redraw(&state, view, moved.ShiftX, moved.ShiftY, nullptr);
            direction = -direction;
        });
        Print(what, timing, reference.Cpu, canvas.LastDrawnCount());
        std::printf("\n");
    };

    TileOptions geographic;
    tiles.SetOptions(geographic);
    scroll("scroll step 64 px right/left, style 0", 64, 0);
    scroll("scroll step 64 px down/up, style 0", 0, 64);
    TileOptions noText = geographic;
    noText.HideNames = noText.HideCoordinates = true;
    tiles.SetOptions(noText);
    full("full redraw, geographic, without text");

    MapColouring colouring;
    colouring.ReportLoaded(*report);
    colouring.SetStatistic(state, StatisticKind::Peasants);
    for (const MapMode mode : { MapMode::Geographic, MapMode::Statistic }) {
        for (int32_t style = 0; style < kTextStyleCount; ++style) {
            TileOptions styled;
            styled.Mode = mode;
            styled.TextStyle = style;
            tiles.SetOptions(styled);
            const std::string what = std::string("full redraw, ")
                + (mode == MapMode::Statistic ? "statistic" : "geographic") + ", text style "
                + std::to_string(style);
            full(what.c_str(), true);
        }
    }
    TileOptions halo = geographic;
    halo.TextStyle = 4;
    tiles.SetOptions(halo);
    scroll("scroll step 64 px right/left, style 4", 64, 0);
    TileOptions statistic;
    statistic.Mode = MapMode::Statistic;
    tiles.SetOptions(statistic);
    scroll("scroll step 64 px right/left, statistic", 64, 0);

    // Zoomed out: the pictures are scaled once per tile size, outside the
    // measured frames (the first SetOptions with the size).
    const int64_t wholeLayer = WholeLayerTileSize(view.Extent, kViewWidth, kViewHeight);
    for (const int64_t size : { int64_t { 32 }, int64_t { 16 }, wholeLayer }) {
        ZoomAt(view, size, { kViewWidth / 2, kViewHeight / 2 });
        for (const MapMode mode : { MapMode::Geographic, MapMode::Statistic }) {
            TileOptions zoomed;
            zoomed.Mode = mode;
            zoomed.TileSize = static_cast<int>(view.TileSize);
            tiles.SetOptions(zoomed);
            const std::string what = "full redraw, tiles of " + std::to_string(size) + " px"
                + (size == wholeLayer ? " (whole layer)" : "")
                + (mode == MapMode::Statistic ? ", statistic" : "");
            full(what.c_str());
        }
    }
    return 0;
}
