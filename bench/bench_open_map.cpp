// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a generated CR of about 20 MB in the main window until its map is
// drawn, in seconds: what a player waits for after choosing "Report
// öffnen...". The map view is 1920 x 1080 on the offscreen platform, the
// window around it as large as that needs. Reference: reading the same file
// into a model alone; aim: kAimSeconds.
#include <QApplication>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/file_chooser.h"
#include "app/file_commands.h"
#include "app/main_map_view.h"
#include "app/main_window.h"
#include "app/program_files.h"
#include "app/program_session.h"
#include "bench/crgen/cr_generator.h"
#include "bench/stopwatch.h"
#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "map/hex_geometry.h"
#include "map/ui/render/map_pictures.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "report/shift_chooser.h"

using namespace maprune;

namespace {

constexpr double kAimSeconds = 0.5;
constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 1080;

class NoFiles : public FileChooser {
public:
    QString ChooseReportToOpen(QWidget*, const QString&) override { return {}; }
    QStringList ChooseFilesToAdd(QWidget*, const QString&) override { return {}; }
    QString ChooseSaveName(QWidget*, const QString&) override { return {}; }
    QString ChooseFolder(QWidget*, const QString&) override { return {}; }
};

class FirstShift : public ShiftChooser {
public:
    std::optional<size_t> ChooseShift(const std::vector<ScoredShift>&) override { return 0; }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetProgramPath(QCoreApplication::applicationFilePath().toStdU16String());

    crgen::GeneratorOptions options;
    options.Seed = 1;
    options.Regions = 29'000;
    options.UnitsPerRegion = 3;
    const std::filesystem::path folder
        = std::filesystem::temp_directory_path() / "maprune_bench_open_map";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / "welt.cr";
    {
        const std::string report = crgen::GenerateReport(options);
        std::ofstream out(file, std::ios::binary);
        out.write(report.data(), static_cast<std::streamsize>(report.size()));
    }
    GameDataInstance().Count(); // the game data is loaded once per program run

    MemorySettingsStore store;
    TSettings settings(store);
    settings.NoAutoSave.Set(true);
    SilentDialogs dialogs;
    NoFiles files;
    FirstShift shifts;
    const TMapPictures pictures(LayoutFromSetting(true));
    TMainWindow window({ .Settings = settings,
        .Store = store,
        .Messages = dialogs,
        .Files = files,
        .Paths = ProgramFiles::In(folder, "maprune"),
        .Arguments = {}, // no automatic save exists in the folder: no report at start
        .Shifts = &shifts,
        .Pictures = &pictures,
        .Associations = {} });
    window.resize(kViewWidth, kViewHeight);
    window.show();
    while (!window.Session().StartedUp())
        QCoreApplication::processEvents();
    // The docks and bars take their part of the window: it grows by that.
    auto& map = dynamic_cast<TMainMapView&>(window.MapView());
    window.resize(window.width() + kViewWidth - map.viewport()->width(),
        window.height() + kViewHeight - map.viewport()->height());
    QCoreApplication::processEvents();

    const bench::Stopwatch start;
    window.Files().OpenFile(QString::fromStdU16String(file.u16string()));
    QCoreApplication::processEvents();
    const bench::Elapsed open = start.Now();

    const bench::Stopwatch readStart;
    {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes { std::istreambuf_iterator<char>(in), {} };
        NullProgress progress;
        const std::unique_ptr<TReport> model = ReadCR(bytes, dialogs, progress, nullptr);
    }
    const bench::Elapsed read = readStart.Now();

    std::printf("file: %.1f MB, %d regions generated\n",
        static_cast<double>(std::filesystem::file_size(file)) / 1e6, options.Regions);
    std::printf("open until the map is drawn: %.2f s, processor %.2f s (%zu regions drawn in a "
                "%dx%d view)\n",
        open.Wall, open.Cpu, map.LastDrawnCount(), map.viewport()->width(),
        map.viewport()->height());
    std::printf("reference, reading the file into a model alone: %.2f s, processor %.2f s (open: "
                "%.1f times that)\n",
        read.Wall, read.Cpu, open.Cpu / read.Cpu);
    std::printf("aim: %.2f s: %s\n", kAimSeconds, open.Cpu <= kAimSeconds ? "met" : "MISSED");
    std::filesystem::remove_all(folder);
    return map.LastDrawnCount() > 0 ? 0 : 1;
}
