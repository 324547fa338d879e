// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/report_turns.h"

#include <algorithm>
#include <system_error>

#include "core/error.h"
#include "core/path_text.h"
#include "files/report_file.h"
#include "files/report_inputs.h"

namespace maprune {

std::optional<int32_t> FileTurn(const std::filesystem::path& file)
{
    try {
        return ReportTurn(ReportsOf(file).Reports.front());
    } catch (const Error&) {
        return std::nullopt; // reading it for real says why
    }
}

std::vector<TurnFile> ByTurn(const std::vector<std::filesystem::path>& files)
{
    std::vector<TurnFile> turns;
    for (const std::filesystem::path& file : files)
        turns.push_back({ file, FileTurn(file) });
    std::stable_sort(turns.begin(), turns.end(), [](const TurnFile& a, const TurnFile& b) {
        return a.Turn.has_value() && (!b.Turn.has_value() || *a.Turn < *b.Turn);
    });
    return turns;
}

std::vector<TurnFile> FolderReports(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::directory_iterator entries(folder, ec);
    if (ec)
        throw Error(
            "Der Ordner " + PathText(folder) + " kann nicht gelesen werden: " + ec.message());
    std::vector<std::filesystem::path> files;
    for (; entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
        const std::filesystem::path& file = entries->path();
        if (entries->is_regular_file(ec) && (HasExtension(file, ".cr") || IsPackedReportFile(file)))
            files.push_back(file);
    }
    std::sort(files.begin(), files.end());
    return ByTurn(files);
}

std::vector<TurnFile> ReportsAfterTurn(const std::filesystem::path& folder, int32_t turn)
{
    std::vector<TurnFile> reports = FolderReports(folder);
    std::erase_if(reports, [turn](const TurnFile& f) { return !f.Turn || *f.Turn <= turn; });
    return reports;
}

} // namespace maprune
