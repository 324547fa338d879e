// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli check: runs the order checker on the order file of the
// report's active party, as "KCheck" in the desktop program does, and prints
// its messages with their links and the counts.
#include <QCoreApplication>

#include <iostream>
#include <memory>

#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/stderr_dialogs.h"
#include "cli/verb_registry.h"
#include "config/settings.h"
#include "config/ui/qsettings_store.h"
#include "core/error.h"
#include "core/text_encoding.h"
#include "model/report.h"
#include "orders/kcheck.h"
#include "orders/ui/qprocess_runner.h"

namespace maprune::cli {

namespace {

struct CheckOptions {
    ReportOptions Report;
    std::string Checker;
};

// The checker and VORLAGE as the desktop program calls them; the tool does
// not write its settings back.
KCheckOptions UserKCheckOptions()
{
    QSettingsStore store;
    TSettings settings(store);
    settings.Registry().SetWriteBackOnDestruction(false);
    return KCheckOptionsFrom(settings);
}

void RunCheck(const CheckOptions& options)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(options.Report, warnings);
    static int argc = 1;
    static char name[] = "maprune-cli";
    static char* argv[] = { name, nullptr };
    QCoreApplication application(argc, argv);
    KCheckOptions checkOptions = UserKCheckOptions();
    if (!options.Checker.empty())
        checkOptions.Path = options.Checker;
    QProcessRunner runner;
    KCheckRun run;
    try {
        run = RunKCheck(*report, checkOptions, runner, ToolDialogs());
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
    if (!run.Results)
        throw CLI::RuntimeError(1);
    for (const CheckerEntry& entry : run.Results->Entries) {
        const std::string link = CheckerLinkText(*report, entry.Link);
        std::cout << (link.empty() ? "" : link + ": ") << DisplayText(entry.Text) << '\n';
    }
    std::cout << "Warnungen: " << run.Results->Warnings << "\nFehler: " << run.Results->Errors
              << '\n'
              << std::flush;
    if (run.Results->Errors > 0)
        throw CLI::RuntimeError(2);
}

void AddCheckCommand(CLI::App& app)
{
    auto options = std::make_shared<CheckOptions>();
    CLI::App* command = app.add_subcommand("check", QtVerbDescription("check"));
    AddReportOptions(*command, options->Report);
    command->add_option("--checker", options->Checker,
        "das Prüfprogramm (sonst KCHECK_Path der Einstellungen oder kcheck neben Maprune)");
    command->callback([options] { RunCheck(*options); });
}

const VerbRegistration checkVerb { "check", &AddCheckCommand };

} // namespace

} // namespace maprune::cli
