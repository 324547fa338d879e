// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace maprune {

enum class ProcessOutcome {
    Finished, // the program ran and ended, whatever its exit code
    NotStarted, // the program could not be started
    Cancelled, // the user stopped it while it ran
};

// How the core starts an external program (VORLAGE, the order checker). The
// GUI runs it with QProcess, keeping its windows responsive and offering to
// cancel; tests use a scripted fake.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;

    // Runs `program` with `arguments`, each handed over as one argument
    // whatever blanks it holds, standard input empty, standard output into
    // the file `outputFile` (created or emptied) and standard error into
    // `errorFile` (created or emptied; discarded when empty; when it is
    // `outputFile`, both streams go into that one file in the order they were
    // written), and waits for its end.
    virtual ProcessOutcome Run(const std::filesystem::path& program,
        const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
        const std::filesystem::path& errorFile)
        = 0;
};

} // namespace maprune
