// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli stats: the figures of the statistics window.
#include <iostream>
#include <memory>
#include <optional>

#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/text_encoding.h"
#include "model/game_data.h"
#include "model/name_forms.h"
#include "model/report.h"
#include "tools/stats/report_statistics.h"

namespace maprune::cli {

namespace {

struct StatsArguments {
    ReportOptions Report;
    std::optional<std::string> Party;
    std::optional<std::string> Talent;
    bool Selected = false;
};

void PrintSection(const char* title, const std::vector<std::string>& lines)
{
    std::cout << title << ":\n";
    for (const std::string& line : lines)
        std::cout << "  " << line << '\n';
}

// The party the window would show: the one asked for, else the first.
std::optional<StatisticsParty> ChosenParty(
    const TReport& report, const std::optional<std::string>& asked)
{
    const std::vector<StatisticsParty> parties = StatisticsParties(report);
    if (!asked)
        return parties.empty() ? std::nullopt : std::optional(parties.front());
    const int32_t nr = report.ParseNr(*asked);
    for (const StatisticsParty& party : parties) {
        if (party.Nr == nr)
            return party;
    }
    std::cerr << "Keine Partei " << *asked << " mit Einheiten im Report\n";
    throw CLI::RuntimeError(1);
}

const GameRecord* ChosenTalent(const std::optional<std::string>& asked)
{
    const std::vector<const GameRecord*> talents = TalentChoices();
    if (!asked)
        return talents.empty() ? nullptr : talents.front();
    for (const GameRecord* talent : talents) {
        if (MatchesNameForms(talent->Names, *asked))
            return talent;
    }
    std::cerr << "Kein Talent " << *asked << " in den Spieldaten\n";
    throw CLI::RuntimeError(1);
}

void PrintTalent(const TReport& report, int32_t party, const GameRecord& talent)
{
    const TalentFigures figures = TalentFiguresOf(report, party, talent);
    std::cout << "Talent: " << DisplayText(talent.Singular) << '\n'
              << "Anzahl Personen mit Talent: " << figures.Persons << '\n'
              << "Gesamtlerntage: " << figures.Days << '\n'
              << "Gesamttalent: " << figures.Sum << '\n'
              << "Talentwerte:\n";
    for (const TalentPoint& point : figures.Points)
        std::cout << "  " << point.Level << ' ' << point.Persons << '\n';
    if (figures.OutsideSlots)
        std::cout << "Stufen über " << kTopTalentLevel << " sind bei " << kTopTalentLevel
                  << " gezählt\n";
}

void RunStats(const StatsArguments& arguments)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(arguments.Report, warnings);
    std::cout << StandingLine(*report) << '\n';
    if (const std::optional<StatisticsParty> party = ChosenParty(*report, arguments.Party)) {
        std::cout << "Partei: " << party->Description << '\n';
        const PartyTotals totals = PartyTotalsOf(*report, party->Nr);
        PrintSection("Gegenstände", totals.Goods);
        PrintSection("Gebäude", totals.Buildings);
        PrintSection("Schiffe", totals.Ships);
        if (const GameRecord* talent = ChosenTalent(arguments.Talent))
            PrintTalent(*report, party->Nr, *talent);
    }
    if (arguments.Selected)
        PrintSection("ausgewählte Regionen", SelectedRegionsLines(*report));
}

void AddStatsCommand(CLI::App& app)
{
    auto arguments = std::make_shared<StatsArguments>();
    CLI::App* command = app.add_subcommand("stats", "Was das Statistikfenster zeigt");
    AddReportOptions(*command, arguments->Report);
    command->add_option(
        "--party", arguments->Party, "Nummer der Partei (sonst die erste mit Einheiten)");
    command->add_option("--talent", arguments->Talent, "Name des Talents (sonst das erste)");
    command->add_flag("--selected", arguments->Selected, "auch die ausgewählten Regionen");
    command->callback([arguments] { RunStats(*arguments); });
}

const VerbRegistration statsVerb { "stats", &AddStatsCommand };

} // namespace

} // namespace maprune::cli
