// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace maprune {

enum class ProcessOutcome {
    Finished, // the program ran and ended by itself, whatever its exit code
    NotStarted, // the program could not be started
    Cancelled, // the user stopped it while it ran
    Crashed, // it ended by a signal or an unhandled exception
    TimedOut, // it was stopped after the time-out
    OutputTooLarge, // it was stopped when its output grew beyond the bound
};

struct ProcessResult {
    ProcessOutcome Outcome = ProcessOutcome::Finished;
    int ExitCode = 0; // the program's exit code (Finished) or its signal (Crashed, where known)
};

// What a run may take; zero stands for no bound.
struct ProcessLimits {
    std::chrono::milliseconds Timeout { 0 };
    // Standard output and error together, in bytes.
    std::uintmax_t MaxOutputBytes = 0;
};

// How the core starts an external program (VORLAGE, the order checker). The
// GUI runs it with QProcess, keeping its windows responsive and offering to
// cancel; maprune-cli with the system's own calls (NativeProcessRunner);
// tests use a scripted fake.
class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;

    // Runs `program` with `arguments`, each handed over as one argument
    // whatever blanks it holds, standard input empty, standard output into
    // the file `outputFile` (created or emptied) and standard error into
    // `errorFile` (created or emptied; discarded when empty; when it is
    // `outputFile`, both streams go into that one file in the order they were
    // written), and waits for its end or until it exceeds `limits`, when it is
    // stopped.
    virtual ProcessResult Run(const std::filesystem::path& program,
        const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
        const std::filesystem::path& errorFile, const ProcessLimits& limits)
        = 0;
};

// How a run that did not end well ended, for messages: "ist abgestürzt
// (Signal 11)", "wurde wegen Zeitüberschreitung (60 s) abgebrochen",
// "endete mit dem Exit-Code 2" ...; empty for Finished with exit code 0 and for NotStarted
// and Cancelled, which have their own messages.
std::string ProcessFailureText(const ProcessResult& result, const ProcessLimits& limits);

} // namespace maprune
