// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli merian: the selected regions of a layer (or all) as a MERIAN
// text map.
#include <iostream>
#include <memory>
#include <optional>

#include "cli/command_line.h"
#include "cli/report_loading.h"
#include "cli/verb_registry.h"
#include "core/error.h"
#include "core/write_file.h"
#include "model/report.h"
#include "orders/merian_map.h"

namespace maprune::cli {

namespace {

struct MerianOptions {
    ReportOptions Report;
    std::string Output;
    std::optional<int32_t> Layer;
    bool All = false;
};

void RunMerian(const MerianOptions& options)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(options.Report, warnings);
    const int32_t layer = options.Layer.value_or(report->ActiveLayer);
    TextLines lines;
    try {
        lines = MerianMap(*report, layer, options.All);
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
    if (lines.empty()) {
        std::cerr << (options.All
                ? "Die Ebene " + std::to_string(layer) + " hat keine Regionen."
                : "Auf der Ebene " + std::to_string(layer) + " ist keine Region ausgewählt.")
                  << '\n';
        throw CLI::RuntimeError(1);
    }
    try {
        WriteFileAtomically(ArgumentPath(options.Output), TextOfLines(lines));
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
}

void AddMerianCommand(CLI::App& app)
{
    auto options = std::make_shared<MerianOptions>();
    CLI::App* command = app.add_subcommand(
        "merian", "die ausgewählten Regionen einer Ebene (oder alle) als MERIAN-Karte schreiben");
    AddReportOptions(*command, options->Report);
    command->add_option("OUT", options->Output, "die zu schreibende Datei (.mer)")->required();
    command->add_option("--layer", options->Layer, "die Ebene (sonst die aktive des Reports)");
    command->add_flag("--all", options->All, "alle Regionen der Ebene statt der ausgewählten");
    command->callback([options] { RunMerian(*options); });
}

const VerbRegistration merianVerb { "merian", &AddMerianCommand };

} // namespace

} // namespace maprune::cli
