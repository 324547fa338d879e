// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli convert: a report or database file written as a KDF database.
#include <iostream>
#include <memory>

#include "cli/command_line.h"
#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "core/progress.h"
#include "files/report_file.h"
#include "model/report.h"

namespace maprune::cli {

namespace {

struct ConvertOptions {
    ReportOptions In;
    std::string Out;
    bool Best = false;
};

void RunConvert(const ConvertOptions& options)
{
    // Refused before the input is read, which may take long.
    try {
        CheckReportSaveName(ArgumentPath(options.Out));
    } catch (const Error& e) {
        std::cerr << options.Out << ": " << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
    size_t warnings = 0;
    const LoadedReport report = LoadReport(options.In, warnings);
    NullProgress progress;
    try {
        SaveReportFile(*report, ArgumentPath(options.Out),
            SaveReportOptions { KdfWriteOptions { !options.Best }, progress });
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
}

void AddConvertCommand(CLI::App& app)
{
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* command = app.add_subcommand(
        "convert", "Einen Report (.cr) oder eine Datenbank (.kdf) als KDF-Datei speichern");
    command->add_option("IN", options->In.File, "CR- oder KDF-Datei")->required();
    command->add_option("OUT", options->Out, "die zu schreibende KDF-Datei")->required();
    command->add_flag("--best", options->Best,
                      "stärker komprimieren (zlib-Stufe 9 statt 1), langsamer");
    command->add_flag("--warnings", options->In.PrintWarnings,
                      "Warnungen des Lesens als \"line N: TEXT\" auf der Fehlerausgabe");
    command->callback([options] { RunConvert(*options); });
}

const VerbRegistration convertVerb { "convert", &AddConvertCommand };

} // namespace

} // namespace maprune::cli
