// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace maprune {

class ByteSink;

// The program's log file (maprune.log): lines of UTF-8 text, the newest
// last, each ended by CR LF.

// The log file keeps every line of the run that writes it; of the runs before
// only the newest lines within this many bytes (line ends counted), so that
// the file stays small however many runs wrote to it.
inline constexpr size_t kMaxOlderLogBytes = size_t { 1 } << 20;

// The lines of the log file `path` without their line ends, as display text
// (DisplayText: a file that is not UTF-8 is read as Windows-1252). A missing
// or unreadable file and one larger than 8 MiB give none, so that such a log
// is started anew.
std::vector<std::string> ReadLogFileLines(const std::filesystem::path& path);

// Writes `lines` into `sink`, each followed by CR LF.
void WriteLogFile(ByteSink& sink, const std::vector<std::string>& lines);

// Writes the log file `path` anew through WriteFileAtomically: the newest of
// its former lines (ReadLogFileLines) within kMaxOlderLogBytes, followed by
// all of `lines`. Does nothing when `lines` is empty. Throws Error on
// failure, leaving the former file as it was.
void AppendToLogFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace maprune
