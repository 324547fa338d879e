// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli chart: the time-course chart of a report as a PNG picture,
// drawn as the window draws it, for players who post the growth of their
// realm.
#include <QApplication>
#include <QImage>
#include <QSaveFile>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/count_text.h"
#include "core/text_encoding.h"
#include "model/report.h"
#include "tools/series/chart_lines.h"
#include "tools/ui/chart/series_chart.h"

namespace maprune::cli {

namespace {

struct ChartArguments {
    ReportOptions Report;
    std::string Output;
    std::vector<std::string> Series;
    int Width = 800;
    int Height = 500;
};

[[noreturn]] void Fail(const std::string& message)
{
    std::cerr << message << '\n';
    throw CLI::RuntimeError(1);
}

// "EXPR=TITLE": the first "=" that is no part of "==", "<=", ">=" ends the
// expression; without one the expression is its own title.
SeriesDefinition DefinitionOf(const std::string& argument)
{
    for (size_t i = 0; i < argument.size(); ++i) {
        if (argument[i] != '=')
            continue;
        const bool partOfOperator = (i > 0 && (argument[i - 1] == '<' || argument[i - 1] == '>'))
            || (i + 1 < argument.size() && argument[i + 1] == '=');
        if (partOfOperator) {
            i += argument[i + 1] == '=' ? 1 : 0;
            continue;
        }
        return { argument.substr(0, i), argument.substr(i + 1), {} };
    }
    return { argument, argument, {} };
}

// Widgets on the offscreen platform unless the caller chose one; the other
// verbs need no display at all.
std::unique_ptr<QApplication> WidgetApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "maprune-cli";
    static char* argv[] = { name, nullptr };
    return std::make_unique<QApplication>(argc, argv);
}

void RunChart(const ChartArguments& arguments)
{
    const auto application = WidgetApplication();
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    if (!arguments.Series.empty()) {
        std::vector<SeriesDefinition> definitions;
        for (const std::string& argument : arguments.Series)
            definitions.push_back(DefinitionOf(argument));
        report->Series = WriteSeries(definitions);
    }
    const std::vector<TSeries> series = BuildSeriesList(report.get());
    const ChartDrawing drawing = DrawChart(series);
    // Every series the picture leaves out is named, with the reason.
    std::vector<bool> drawn(series.size(), false);
    for (const ChartLine& line : drawing.Lines)
        drawn[line.Series] = true;
    for (size_t i = 0; i < series.size(); ++i) {
        if (!drawn[i])
            std::cerr << DisplayText(series[i].ListLine())
                      << (series[i].Data == nullptr ? ": kein Wert mit Verlauf\n"
                                                    : ": ohne Werte, nicht gezeichnet\n");
    }
    if (drawing.Empty())
        Fail("Keine der Reihen hat einen Verlauf über die Runden.");
    const QImage picture = SeriesChartPicture(drawing, QSize(arguments.Width, arguments.Height));
    QSaveFile file(QString::fromStdString(arguments.Output));
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit())
        Fail("Das Bild konnte nicht nach " + arguments.Output + " geschrieben werden.");
    std::cout << arguments.Output << ": "
              << CountText(static_cast<int64_t>(drawing.Lines.size()), "Reihe", "Reihen")
              << ", Runden " << drawing.Ranges.MinX << " bis " << drawing.Ranges.MaxX << '\n';
}

void AddChartCommand(CLI::App& app)
{
    auto arguments = std::make_shared<ChartArguments>();
    CLI::App* command = app.add_subcommand("chart", QtVerbDescription("chart"));
    AddReportOptions(*command, arguments->Report);
    command->add_option("OUT", arguments->Output, "das Bild (PNG)")->required();
    command->add_option("SERIES", arguments->Series,
        "Reihen als AUSDRUCK=TITEL, z.B. \"region[3,3].bauern=Bauern\" (ohne: die im Report "
        "gespeicherten Reihen)");
    command->add_option("--width", arguments->Width, "Breite in Pixeln")
        ->check(CLI::Range(200, 8000));
    command->add_option("--height", arguments->Height, "Höhe in Pixeln")
        ->check(CLI::Range(150, 8000));
    command->callback([arguments] { RunChart(*arguments); });
}

const VerbRegistration chartVerb { "chart", &AddChartCommand };

} // namespace

} // namespace maprune::cli
