// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_loading.h"

#include <iostream>
#include <vector>

#include "cli/command_line.h"
#include "cli/stderr_dialogs.h"
#include "core/error.h"
#include "core/progress.h"
#include "files/report_file.h"
#include "files/report_inputs.h"
#include "model/report.h"
#include "report/cr_reader.h"

namespace maprune::cli {

void AddReportOptions(CLI::App& command, ReportOptions& options)
{
    command
        .add_option("FILE", options.File,
            "CR-Datei (.cr, auch .zip, .cr.gz, .cr.bz2, .cr.xz) oder Datenbank (.kdf)")
        ->required();
    command.add_flag("--warnings", options.PrintWarnings,
        "Warnungen des Lesens als \"line N: TEXT\" auf der Fehlerausgabe");
}

void KeepUntilExit::operator()(TReport* report) const
{
    static auto* const kept = new std::vector<TReport*>;
    if (report != nullptr)
        kept->push_back(report);
}

LoadedReport LoadReport(const ReportOptions& options, size_t& warningCount)
{
    std::vector<CRWarning> warnings;
    LoadedReport report = LoadReport(options, warnings);
    warningCount = CountWarnings(warnings);
    return report;
}

LoadedReport LoadReport(const ReportOptions& options, std::vector<CRWarning>& warnings)
{
    NullProgress progress;
    const std::filesystem::path file = ArgumentPath(options.File);
    std::unique_ptr<TReport> report;
    try {
        report = OpenReportFile(file, ToolDialogs(), progress, &warnings);
    } catch (const Abort&) {
        // The CR reader has shown its messages already.
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
    }
    if (options.PrintWarnings) {
        for (const CRWarning& w : warnings)
            std::cerr << "line " << w.Line << ": " << w.Text << '\n';
    } else if (report != nullptr && HasCutOffWarning(warnings)) {
        // The one warning a player must see even without asking for them.
        std::cerr << kCutOffWarning << '\n';
    }
    if (report == nullptr)
        throw CLI::RuntimeError(1);
    if (IsPackedReportFile(file)) {
        const size_t reports = ReportsOf(file).Reports.size();
        if (reports > 1) {
            std::cerr << options.File << " enthält " << reports
                      << " Reports; gelesen ist der erste (alle fügt merge zusammen)\n";
        }
    }
    return LoadedReport(report.release());
}

} // namespace maprune::cli
