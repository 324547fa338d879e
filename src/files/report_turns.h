// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace maprune {

// The turn of a file's first report (ReportsOf, ReportTurn); none for a
// database, an order file, or a file that cannot be read.
std::optional<int32_t> FileTurn(const std::filesystem::path& file);

// A report file with the turn of its first report.
struct TurnFile {
    std::filesystem::path File;
    std::optional<int32_t> Turn;
};

// `files` ordered by turn, oldest first; files of equal turn keep their
// order, and those without a turn follow in theirs.
std::vector<TurnFile> ByTurn(const std::vector<std::filesystem::path>& files);

// The reports in `folder` (".cr" and packed files, not those in sub-folders)
// ordered by turn; for equal turns by name. Throws Error when the folder
// cannot be listed.
std::vector<TurnFile> FolderReports(const std::filesystem::path& folder);

// Those of FolderReports whose turn is later than `turn`, oldest first.
std::vector<TurnFile> ReportsAfterTurn(const std::filesystem::path& folder, int32_t turn);

} // namespace maprune
