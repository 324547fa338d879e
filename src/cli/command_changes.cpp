// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli changes: what the changes window lists.
#include <iostream>
#include <memory>
#include <string>

#include "cli/category_name.h"
#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/user_settings.h"
#include "cli/verb_registry.h"
#include "model/json_form.h"
#include "model/report.h"
#include "tools/changes/change_list.h"
#include "tools/changes/turn_changes.h"

namespace maprune::cli {

namespace {

struct ChangesArguments {
    ReportOptions Report;
    int32_t From = -1;
    int32_t To = -1;
    bool Json = false;
};

std::string JsonChange(const TReport& report, const TurnChange& change)
{
    std::string json = "{\"kind\": " + JsonString(ChangeKindName(change.Kind))
        + ", \"group\": " + JsonString(ChangeKindCaption(change.Kind));
    json += change.Placed ? ", \"x\": " + std::to_string(change.X)
            + ", \"y\": " + std::to_string(change.Y) + ", \"z\": " + std::to_string(change.Z)
                          : std::string(", \"x\": null, \"y\": null, \"z\": null");
    json += ", \"nr\": " + (change.Nr != -1 ? JsonString(report.FormatNr(change.Nr)) : "null");
    json += ", \"party\": " + (change.Category ? std::to_string(change.Party) : "null");
    json += ", \"category\": "
        + (change.Category ? JsonString(CategoryName(*change.Category)) : "null");
    return json + ", \"text\": " + JsonString(change.Text) + "}";
}

void PrintJson(
    const TReport& report, const ChangeTurns& turns, const std::vector<TurnChange>& changes)
{
    std::cout << "{\"from\": " << turns.From << ", \"to\": " << turns.To << ", \"changes\": [";
    for (size_t i = 0; i < changes.size(); ++i)
        std::cout << (i > 0 ? ",\n  " : "\n  ") << JsonChange(report, changes[i]);
    std::cout << (changes.empty() ? "]}\n" : "\n]}\n");
}

void PrintList(const ChangeTurns& turns, const std::vector<TurnChange>& changes)
{
    if (turns.From < 1) {
        std::cout << "Veränderungen: keine ältere Runde\n";
        return;
    }
    std::cout << "Veränderungen von Runde " << turns.From << " bis " << turns.To << '\n';
    for (const ChangeLine& line : ChangeListLines(changes)) {
        if (line.Change < 0) {
            std::cout << line.Heading << ":\n";
            continue;
        }
        std::cout << "  ";
        if (line.Category)
            std::cout << '[' << CategoryName(*line.Category) << "] ";
        std::cout << changes[static_cast<size_t>(line.Change)].Text << '\n';
    }
}

void RunChanges(const ChangesArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    ChangeTurns turns;
    turns.To = arguments.To != -1 ? arguments.To : report->Turn;
    turns.From = arguments.From != -1 ? arguments.From : TurnBefore(*report, turns.To);
    if (turns.From != -1 && turns.From == turns.To) {
        std::cerr << "maprune-cli: --from und --to nennen dieselbe Runde " << turns.To << '\n';
        throw CLI::RuntimeError(2);
    }
    const std::vector<TurnChange> changes
        = TurnChanges(*report, turns.From, turns.To, ChangeThresholdsOfUser());
    if (arguments.Json)
        PrintJson(*report, turns, changes);
    else
        PrintList(turns, changes);
}

void AddChangesCommand(CLI::App& app)
{
    auto arguments = std::make_shared<ChangesArguments>();
    CLI::App* command = app.add_subcommand("changes", QtVerbDescription("changes"));
    AddReportOptions(*command, arguments->Report);
    command->add_option("--from", arguments->From, "ältere Runde (sonst die Runde vor --to)")
        ->check(CLI::Range(1, 1'000'000));
    command->add_option("--to", arguments->To, "neuere Runde (sonst die Runde des Reports)")
        ->check(CLI::Range(1, 1'000'000));
    command->add_flag("--json", arguments->Json,
        "als JSON: {\"from\", \"to\", \"changes\": [{\"kind\", \"x\", \"y\", \"z\", \"text\", "
        "...}]}");
    command->callback([arguments] { RunChanges(*arguments); });
}

const VerbRegistration changesVerb { "changes", &AddChangesCommand };

} // namespace

} // namespace maprune::cli
