// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/process_runner.h"

namespace maprune {

// ProcessRunner over the system's own calls, for programs without an event
// loop (maprune-cli): Run blocks until the program ends or is stopped. A
// program given without a folder is searched in PATH.
class NativeProcessRunner final : public ProcessRunner {
public:
    ProcessResult Run(const std::filesystem::path& program,
        const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
        const std::filesystem::path& errorFile, const ProcessLimits& limits) override;
};

} // namespace maprune
