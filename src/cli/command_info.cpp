// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli info: the key figures of one report, one "Name: value" line
// each, for players' scripts.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/text_encoding.h"
#include "files/report_file.h"
#include "model/report.h"
#include "report/cr_format.h"
#include "report/cr_reader.h"

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

// Which file format the report came in, for players' bug reports.
std::string FormatText(const ReportOptions& options, const TReport& report)
{
    if (HasExtension(options.File, ".kdf"))
        return "KDF " + std::to_string(report.FileVersion);
    return "CR " + std::to_string(report.Version)
        + (IsTodayFormat(report.Version) ? " (heutiges Format)" : "");
}

std::string SkippedText(const std::vector<CRWarning>& warnings)
{
    const std::vector<SkippedBlockCount> counts = CountSkippedBlocks(warnings);
    size_t total = 0;
    std::string names;
    for (const SkippedBlockCount& c : counts) {
        total += c.Count;
        names += (names.empty() ? " (" : ", ") + c.Name + " " + std::to_string(c.Count);
    }
    return std::to_string(total) + names + (names.empty() ? "" : ")");
}

void RunInfo(const ReportOptions& options)
{
    std::vector<CRWarning> warnings;
    const LoadedReport report = LoadReport(options, warnings);
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
              << "Warnings: " << CountWarnings(warnings) << '\n'
              << "Format: " << FormatText(options, *report) << '\n'
              << "SkippedBlocks: " << SkippedText(warnings) << '\n';
}

void AddInfoCommand(CLI::App& app)
{
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command = app.add_subcommand("info", "Kennzahlen eines Reports ausgeben");
    AddReportOptions(*command, *options);
    command->callback([options] { RunInfo(*options); });
}

const VerbRegistration infoVerb { "info", &AddInfoCommand };

} // namespace

} // namespace maprune::cli
