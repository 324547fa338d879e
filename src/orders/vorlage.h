// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "orders/text_lines.h"

namespace maprune {

class Dialogs;
class ProcessRunner;
class TReport;

inline constexpr const char* kVorlageFailedMessage
    = "Es trat ein Fehler beim Ausführen von VORLAGE auf...";
inline constexpr const char* kNoTempFolderMessage
    = "Fehler beim Ermitteln des Temp-Verzeichnisses...";
inline constexpr const char* kNoTempNameMessage = "Fehler beim Ermitteln des Temp-Dateinamens...";

// How VORLAGE is called (the settings VORLAGE_Path and VORLAGE_Parameters).
struct VorlageOptions {
    std::string Path; // empty: the program beside Maprune
    std::string Parameters; // further arguments as the user typed them
};

// The program that RunVorlage starts.
std::filesystem::path VorlageProgram(const VorlageOptions& options);

// Its arguments: "-p", the active party's number in decimal, the parameters
// split as a shell would (SplitShellWords), and `reportFile`.
std::vector<std::string> VorlageArguments(
    const TReport& report, const VorlageOptions& options, const std::filesystem::path& reportFile);

// Writes the full report (all regions, everything) to a temporary file, has
// VORLAGE turn it into an order file and returns what VORLAGE wrote to its
// standard output, split into lines. Standard error goes to `messagesFile`,
// which belongs to the caller, or nowhere when it is empty. The temporary
// files are gone afterwards on every path. When VORLAGE cannot be started it
// shows kVorlageFailedMessage (error, OK) and returns nothing; when it
// crashes, ends with an exit code other than 0, writes more than an order
// file can hold or writes nothing but blanks, it shows how it failed and
// returns nothing; when the user cancels it returns nothing as well. Throws Error with
// kNoTempFolderMessage or kNoTempNameMessage when no temporary file can be had, and the Error of a
// failed write or read.
std::optional<TextLines> RunVorlage(const TReport& report, const VorlageOptions& options,
    const std::filesystem::path& messagesFile, ProcessRunner& runner, Dialogs& dialogs);

} // namespace maprune
