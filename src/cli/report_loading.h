// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace maprune {
class TReport;
struct CRWarning;
} // namespace maprune

namespace maprune::cli {

// Options shared by the verbs that read one report.
struct ReportOptions {
    std::string File;
    bool PrintWarnings = false;
};

// Keeps a command's report until the process ends instead of freeing it:
// the process ends with the command, and taking a large report apart would
// cost a tenth of the command's time. The reports stay reachable from a
// static list, so that leak checkers count them as in use.
struct KeepUntilExit {
    void operator()(TReport* report) const;
};
using LoadedReport = std::unique_ptr<TReport, KeepUntilExit>;

// Adds FILE and --warnings to `command`.
void AddReportOptions(CLI::App& command, ReportOptions& options);

// Reads the report or database named by `options`, chosen by the file's
// extension (OpenReportFile). Reader warnings are counted into
// `warningCount` and, with --warnings, printed as "line N: TEXT" on standard
// error; without it only kCutOffWarning is printed, alone on its line. A report that cannot be read has its messages on standard error and
// ends the command with exit code 1 (CLI::RuntimeError).
LoadedReport LoadReport(const ReportOptions& options, size_t& warningCount);
// The same, handing out the warnings themselves.
LoadedReport LoadReport(const ReportOptions& options, std::vector<CRWarning>& warnings);

} // namespace maprune::cli
