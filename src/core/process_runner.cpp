// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/process_runner.h"

namespace maprune {

std::string ProcessFailureText(const ProcessResult& result, const ProcessLimits& limits)
{
    switch (result.Outcome) {
    case ProcessOutcome::Finished:
        if (result.ExitCode == 0)
            return {};
        return "endete mit dem Exit-Code " + std::to_string(result.ExitCode);
    case ProcessOutcome::Crashed:
        if (result.ExitCode == 0)
            return "ist abgestürzt";
        return "ist abgestürzt (Signal " + std::to_string(result.ExitCode) + ")";
    case ProcessOutcome::TimedOut:
        return "wurde wegen Zeitüberschreitung (" + std::to_string(limits.Timeout.count() / 1000)
            + " s) abgebrochen";
    case ProcessOutcome::OutputTooLarge:
        return "wurde abgebrochen, weil seine Ausgabe " + std::to_string(limits.MaxOutputBytes)
            + " Bytes überschritt";
    case ProcessOutcome::NotStarted:
    case ProcessOutcome::Cancelled:
        break;
    }
    return {};
}

} // namespace maprune
