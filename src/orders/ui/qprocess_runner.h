// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/process_runner.h"

class QProcess;

namespace maprune {

// ProcessRunner over QProcess. While the program runs, an event loop keeps
// the windows (and a cancel button) working; the command-line tool runs it
// under a QCoreApplication likewise.
class QProcessRunner final : public ProcessRunner {
public:
    ProcessResult Run(const std::filesystem::path& program,
        const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
        const std::filesystem::path& errorFile, const ProcessLimits& limits) override;

    // Stops the program that Run waits for; Run then returns Cancelled.
    // Does nothing when none runs.
    void Cancel();

private:
    QProcess* FRunning = nullptr;
    bool FCancelled = false;
};

} // namespace maprune
