// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli calc and series: the calculator over a report, and the history
// of a value as the time-course chart draws it.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "core/text_encoding.h"
#include "model/history_integer.h"
#include "model/json_form.h"
#include "model/report.h"
#include "tools/calculator/calculator_answer.h"
#include "tools/series/series_list.h"

namespace maprune::cli {

namespace {

struct CalcArguments {
    ReportOptions Report;
    std::vector<std::string> Expressions;
};

struct SeriesArguments {
    ReportOptions Report;
    std::string Expression;
    bool Json = false;
};

void RunCalc(const CalcArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    bool failed = false;
    for (const std::string& expression : arguments.Expressions) {
        const CalculatorAnswer answer = Calculate(report.get(), expression);
        (answer.Failed() ? std::cerr : std::cout) << DisplayText(answer.Text) << '\n';
        failed = failed || answer.Failed();
    }
    if (failed)
        throw CLI::RuntimeError(1);
}

void RunSeries(const SeriesArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    const THistoryInteger* history = nullptr;
    try {
        history = &HistoryOfExpression(*report, arguments.Expression);
    } catch (const Error& error) {
        std::cerr << DisplayText(error.what()) << '\n';
        throw CLI::RuntimeError(1);
    }
    const HistoryEntries& entries = history->History();
    if (arguments.Json) {
        std::cout << "{\"Expression\": " << JsonString(arguments.Expression) << ", \"History\": [";
        for (size_t i = entries.size(); i-- > 0;)
            std::cout << "[" << entries[i].Date << ", " << entries[i].Value << "]"
                      << (i > 0 ? ", " : "");
        std::cout << "]}\n";
        return;
    }
    for (size_t i = entries.size(); i-- > 0;)
        std::cout << entries[i].Date << ' ' << entries[i].Value << '\n';
}

void AddCalcCommand(CLI::App& app)
{
    auto calc = std::make_shared<CalcArguments>();
    CLI::App* command = app.add_subcommand(
        "calc", "Ausdrücke des Taschenrechners über einem Report auswerten, wie das Fenster sie zeigt");
    AddReportOptions(*command, calc->Report);
    command->add_option("EXPR", calc->Expressions, "Ausdrücke, z.B. region[3,3].name")->required();
    command->callback([calc] { RunCalc(*calc); });
}

void AddSeriesCommand(CLI::App& app)
{
    auto series = std::make_shared<SeriesArguments>();
    CLI::App* command = app.add_subcommand("series",
        "den Verlauf eines Wertes über die Runden ausgeben (Zeilen \"RUNDE WERT\", älteste "
        "zuerst)");
    AddReportOptions(*command, series->Report);
    command->add_option("EXPR", series->Expression, "ein Ausdruck mit Verlauf, z.B. region[3,3].bauern")
        ->required();
    command->add_flag("--json", series->Json, "als JSON: {\"Expression\", \"History\": [[Runde, Wert], ...]}");
    command->callback([series] { RunSeries(*series); });
}

const VerbRegistration calcVerb { "calc", &AddCalcCommand };
const VerbRegistration seriesVerb { "series", &AddSeriesCommand };

} // namespace

} // namespace maprune::cli
