// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli dump: the whole model of one report as one JSON document.
#include <iostream>
#include <memory>

#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "model/json_form.h"
#include "model/report.h"

namespace maprune::cli {

namespace {

void AddDumpCommand(CLI::App& app)
{
    auto options = std::make_shared<ReportOptions>();
    CLI::App* command
        = app.add_subcommand("dump", "Das ganze Modell eines Reports als JSON ausgeben");
    AddReportOptions(*command, *options);
    command->callback([options] {
        size_t warnings = 0;
        const LoadedReport report = LoadReport(*options, warnings);
        WriteJson(std::cout, *report);
    });
}

const VerbRegistration dumpVerb { "dump", &AddDumpCommand };

} // namespace

} // namespace maprune::cli
