// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli info: the key figures of one report, one "Name: value" line
// each, for players' scripts.
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "cli/report_loading.h"
#include "core/text_encoding.h"
#include "model/report.h"

namespace maprune::cli {

namespace {

struct Totals {
    size_t Units = 0;
    size_t Ships = 0;
    size_t Buildings = 0;
};

Totals CountRegionContents(const TReport& report)
{
    Totals totals;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        totals.Units += region->Units->Count();
        totals.Ships += region->Ships->Count();
        totals.Buildings += region->Buildings->Count();
    }
    return totals;
}

void RunInfo(const ReportOptions& options)
{
    size_t warnings = 0;
    const std::unique_ptr<TReport> report = LoadReport(options, warnings);
    const Totals totals = CountRegionContents(*report);
    std::cout << "Version: " << report->Version << '\n'
              << "Game: " << DisplayText(report->Game) << '\n'
              << "Turn: " << report->Turn << '\n'
              << "ActiveParty: " << report->ActiveParty << '\n'
              << "ActiveLayer: " << report->ActiveLayer << '\n'
              << "Parties: " << report->Parties->Count() << '\n'
              << "Regions: " << report->Regions->Count() << '\n'
              << "Units: " << totals.Units << '\n'
              << "Ships: " << totals.Ships << '\n'
              << "Buildings: " << totals.Buildings << '\n'
              << "Spells: " << report->Spells->Count() << '\n'
              << "Potions: " << report->Potions->Count() << '\n'
              << "Warnings: " << warnings << '\n';
}

} // namespace

void RegisterInfoCommand(CLI::App& app)
{
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand("info", "Kennzahlen eines Reports ausgeben");
    AddReportOptions(*command, *options);
    command->callback([options] { RunInfo(*options); });
}

} // namespace maprune::cli
