// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli extract: the regions selected in a database (or all) written
// as a CR, with the content options of the export dialog.
#include <iostream>
#include <memory>

#include "cli/command_line.h"
#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "core/write_file.h"
#include "model/report.h"
#include "report/cr_writer.h"

namespace maprune::cli {

namespace {

struct ExtractOptions {
    ReportOptions Report;
    std::string Output;
    bool All = false;
    bool NoNames = false;
    bool NoInfo = false;
    bool NoBuildings = false;
    CRExtractOptions Content;
};

void RunExtract(ExtractOptions options)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(options.Report, warnings);
    CRExtractOptions& content = options.Content;
    content.RegionNames = !options.NoNames;
    content.RegionInfo = !options.NoInfo;
    content.Buildings = !options.NoBuildings;
    try {
        WriteFileAtomically(ArgumentPath(options.Output),
            [&](ByteSink& file) { WriteCRExtract(*report, content, options.All, file); });
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
}

void AddExtractCommand(CLI::App& app)
{
    auto options = std::make_shared<ExtractOptions>();
    CLI::App* command = app.add_subcommand(
        "extract", "die ausgewählten Regionen (oder alle) als CR-Datei schreiben");
    AddReportOptions(*command, options->Report);
    command->add_option("OUT", options->Output, "die zu schreibende CR-Datei")->required();
    command->add_flag("--all", options->All, "alle Regionen statt der ausgewählten");
    command->add_flag("--no-names", options->NoNames, "ohne Regionsnamen");
    command->add_flag("--no-info", options->NoInfo, "ohne Regionsinformationen");
    command->add_flag("--no-buildings", options->NoBuildings, "ohne Gebäude");
    command->add_flag("--units", options->Content.UnitsAndShips, "mit Einheiten und Schiffen");
    command->add_flag(
        "--parties", options->Content.PartyInfo, "mit Parteiinfos, Meldungen und Ähnlichem");
    command->add_flag("--times", options->Content.TimeInfo, "mit Zeitinformationen");
    command->callback([options] { RunExtract(*options); });
}

const VerbRegistration extractVerb { "extract", &AddExtractCommand };

} // namespace

} // namespace maprune::cli
