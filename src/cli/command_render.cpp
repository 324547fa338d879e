// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli render: one layer of a report as a PNG picture, drawn by the
// map's own renderer, for players who post their maps.
#include <QByteArray>
#include <QGuiApplication>
#include <QSaveFile>

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/stderr_dialogs.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "map/map_colouring.h"
#include "map/map_navigation.h"
#include "map/map_state.h"
#include "map/statistics.h"
#include "map/ui/render/layer_picture.h"
#include "map/ui/render/map_pictures.h"
#include "map/ui/render/selection_picture.h"
#include "map/ui/render/tile_renderer.h"
#include "model/report.h"

namespace maprune::cli {

namespace {

struct RenderOptions {
    ReportOptions Report;
    std::string Output;
    std::optional<int32_t> Layer;
    std::string Mode = "geo";
    int32_t TextStyle = 0;
    int32_t Zoom = 64;
    bool NoFog = false;
    bool YAxis = false;
    bool Selection = false;
};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

[[noreturn]] void Fail(const std::string& message)
{
    std::cerr << message << '\n';
    throw CLI::RuntimeError(1);
}

// "Bauern", "freie Arbeitsplätze" ...: the names the map's caption uses,
// compared without regard to ASCII case.
StatisticKind StatisticByName(const std::string& name)
{
    for (const StatisticEntry& entry : StatisticEntries()) {
        if (Lower(std::string(entry.Name)) == Lower(name))
            return entry.Kind;
    }
    std::string known;
    for (const StatisticEntry& entry : StatisticEntries())
        known += "\n  " + std::string(entry.Name);
    Fail("Unbekannte Statistik \"" + name + "\". Bekannt sind:" + known);
}

// The application object that QImage, fonts and PNG writing need; on the
// offscreen platform unless the caller chose one.
std::unique_ptr<QGuiApplication> GuiApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "maprune-cli";
    static char* argv[] = { name, nullptr };
    return std::make_unique<QGuiApplication>(argc, argv);
}

void ColourMap(TMapState& state, MapColouring& colouring, const std::string& mode)
{
    colouring.ReportLoaded(state.Report());
    if (mode == "geo")
        return;
    if (mode == "pol") {
        colouring.ComputePoliticColours(
            state, AllianceList {}, false, PersonsMode::Persons, colouring.ShownTurn());
        return;
    }
    if (mode.rfind("stat:", 0) == 0) {
        colouring.SetStatistic(state, StatisticByName(mode.substr(5)));
        return;
    }
    Fail("Unbekannte Darstellung \"" + mode + "\": geo, stat:NAME oder pol.");
}

void RunRender(const RenderOptions& options)
{
    const auto application = GuiApplication();
    size_t warnings = 0;
    const LoadedReport report = LoadReport(options.Report, warnings);
    if (options.Layer) {
        const std::vector<int32_t> layers = report->Layers();
        if (std::find(layers.begin(), layers.end(), *options.Layer) == layers.end())
            Fail("Der Report hat keine Ebene " + std::to_string(*options.Layer) + ".");
        SwitchLayer(*report, *options.Layer);
    }
    TMapState state(*report);
    MapColouring colouring;
    ColourMap(state, colouring, options.Mode);

    const TMapPictures pictures(
        options.YAxis ? MapLayout::YAxisNorthSouth : MapLayout::XAxisWestEast,
        DefaultPictureFolders());
    TTileRenderer tiles(pictures, ToolDialogs());
    TileOptions tileOptions;
    tileOptions.Mode = colouring.Mode();
    tileOptions.FowMode = options.NoFog ? 1 : 0;
    tileOptions.TextStyle = options.TextStyle;
    // The picture of the selection is always drawn unzoomed.
    tileOptions.TileSize = options.Selection ? 64 : options.Zoom;
    // The export dialog's picture: names and coordinates, no symbols, the
    // tiles as they are without selection or route marks.
    tileOptions.HideIcons = options.Selection;
    tileOptions.PlainExport = options.Selection;
    tiles.SetOptions(tileOptions);

    QImage picture;
    try {
        picture = options.Selection ? RenderSelectionPicture(state, tiles)
                                    : RenderLayerPicture(state, tiles);
    } catch (const Error& e) {
        Fail(e.what());
    }
    if (picture.isNull())
        Fail("Auf der Ebene " + std::to_string(report->ActiveLayer)
            + " ist keine Region ausgewählt.");
    const QString output = QString::fromStdString(options.Output);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit())
        Fail("Das Bild konnte nicht nach " + options.Output + " geschrieben werden.");
    std::cout << options.Output << ": " << picture.width() << " × " << picture.height()
              << " Pixel, Ebene " << report->ActiveLayer;
    if (tiles.Options().TileSize != tileOptions.TileSize)
        std::cout << " (verkleinert auf Kachelgröße " << tiles.Options().TileSize << " statt "
                  << tileOptions.TileSize << ", damit das Bild in die Grenzen passt)";
    std::cout << '\n';
}

void AddRenderCommand(CLI::App& app)
{
    auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand("render", QtVerbDescription("render"));
    AddReportOptions(*command, options->Report);
    command->add_option("OUT", options->Output, "das Bild (PNG)")->required();
    command->add_option("--layer", options->Layer, "die Ebene (sonst die aktive des Reports)");
    command->add_option("--mode", options->Mode,
        "geo (Gelände), stat:NAME (statistische Karte, z.B. stat:Bauern) oder pol (politische "
        "Karte nach Parteien)");
    command->add_option("--text-style", options->TextStyle, "Schriftstil der Namen, 0 bis 5")
        ->check(CLI::Range(0, 5));
    command
        ->add_option("--zoom", options->Zoom,
            "Kachelgröße in Pixeln wie beim Zoomen der Karte, 4 bis 128 in Schritten von 4 "
            "(64: ungezoomt)")
        ->check(CLI::Range(4, 128));
    command->add_flag("--no-fog", options->NoFog, "veraltete Regionen nicht abdunkeln");
    command->add_flag(
        "--y-axis", options->YAxis, "Anordnung \"y-Achse: N -> S\" (KelvaranLayout aus)");
    command->add_flag("--selection", options->Selection,
        "nur die ausgewählten Regionen, wie \"Auswahl exportieren\" sie als Bild zeichnet");
    command->callback([options] { RunRender(*options); });
}

const VerbRegistration renderVerb { "render", &AddRenderCommand };

} // namespace

} // namespace maprune::cli
