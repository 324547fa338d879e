// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "orders/checker_results.h"
#include "orders/order_export.h"

namespace maprune {

class Dialogs;
class ProcessRunner;
class TReport;
class TSettings;

inline constexpr const char* kKCheckFailedMessage
    = "Es trat ein Fehler beim Ausführen von KCheck auf...";
inline constexpr const char* kCheckErrorsQuestion
    = "Beim Überprüfen des Befehle gab KCheck Fehler aus, wollen Sie die Befehle trotzdem "
      "senden?";
inline constexpr const char* kCheckWarningsQuestion
    = "Beim Überprüfen des Befehle gab KCheck Warnungen aus, wollen Sie die Befehle trotzdem "
      "senden?";

// How the order checker is called (KCHECK_Path, KCHECK_Parameters) and
// where its order file comes from.
struct KCheckOptions {
    bool Use = false; // KCHECK_Use: the express mail checks first
    std::string Path; // empty: the program beside Maprune
    std::string Parameters; // further arguments as the user typed them
    std::chrono::seconds Timeout { 60 }; // KCHECK_Timeout: a checker still running is stopped
    OrderExportOptions Export;
};

KCheckOptions KCheckOptionsFrom(const TSettings& settings);

// The program that RunKCheck starts.
std::filesystem::path KCheckProgram(const KCheckOptions& options);

// Its arguments: "-c", "-P" joined with the program's folder (one argument,
// whatever blanks the folder holds), the parameters split as a shell would,
// and `orderFile`.
std::vector<std::string> KCheckArguments(
    const KCheckOptions& options, const std::filesystem::path& orderFile);

struct KCheckRun {
    std::optional<CheckerResults> Results; // nothing when no check ran
    bool Cancelled = false; // the user stopped VORLAGE or the checker
};

// Checks the order file of the active party (VORLAGE's with Export.UseVorlage,
// whose complaints head the list): writes it to a temporary file, runs the
// checker on it with its standard output and error in a second one, and
// gives ShowResults of the three. The temporary files are gone afterwards on
// every path. No check runs, its message shown, without an active party or
// when VORLAGE or the checker cannot start (kKCheckFailedMessage), nor when
// the user cancels. A checker that crashes, runs beyond options.Timeout,
// writes more than a report of an order file can be or writes nothing gives
// no results either; its message says how it ended, with the last lines it
// wrote. Throws the Error of a temporary file.
KCheckRun RunKCheck(
    TReport& report, const KCheckOptions& options, ProcessRunner& runner, Dialogs& dialogs);

// Before the express mail: without options.Use yes at once. Else runs the
// check; a check that ran replaces `last` and goes to `show` (the window
// shows it when it found something), and one that gave no results (it could
// not start, failed or was cancelled) stops the mail. With errors in `last` it
// asks kCheckErrorsQuestion and, only when the user still wants to send and
// there are warnings too, kCheckWarningsQuestion; a No to either stops the
// mail. Returns whether the mail may go.
bool CheckBeforeMail(TReport& report, const KCheckOptions& options, ProcessRunner& runner,
    Dialogs& dialogs, CheckerResults& last,
    const std::function<void(const CheckerResults&)>& show);

} // namespace maprune
