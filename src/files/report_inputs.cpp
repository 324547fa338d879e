// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/report_inputs.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

#include "core/error.h"
#include "core/path_text.h"
#include "files/report_file.h"
#include "model/report.h"
#include "report/cr_header.h"
#include "report/cr_reader.h"
#include "storage/load_budget.h"

namespace maprune {

namespace {

// The VERSION block heads a report and is a few hundred bytes long.
constexpr std::streamsize kHeaderBytes = 64 << 10;

bool EndsWithIgnoringCase(const std::string& text, std::string_view end)
{
    return text.size() >= end.size()
        && std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
            [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a))
                    == std::tolower(static_cast<unsigned char>(b));
            });
}

std::string FileHead(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string head(static_cast<size_t>(kHeaderBytes), '\0');
    in.read(head.data(), kHeaderBytes);
    head.resize(static_cast<size_t>(in.gcount()));
    return head;
}

std::uint64_t PackedSize(const std::filesystem::path& file)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    return ec ? 0 : size;
}

} // namespace

std::string ReportInput::Name() const
{
    return Member ? Member->Name() : PathText(File);
}

bool IsPackedReportFile(const std::filesystem::path& file)
{
    const std::string name = PathText(file.filename());
    return EndsWithIgnoringCase(name, ".zip") || EndsWithIgnoringCase(name, ".cr.gz")
        || EndsWithIgnoringCase(name, ".cr.bz2") || EndsWithIgnoringCase(name, ".cr.xz");
}

FileReports ReportsOf(const std::filesystem::path& file)
{
    FileReports reports;
    if (!IsPackedReportFile(file)) {
        reports.Reports.push_back({ file, nullptr, {} });
        return reports;
    }
    PackedFileReader* reader = InstalledPackedFileReader();
    if (reader == nullptr) {
        throw Error("Die Datei " + PathText(file)
            + " ist gepackt; diese Ausgabe von Maprune liest nur ungepackte Reports.");
    }
    const std::string prefix = PathText(file) + ": ";
    for (std::unique_ptr<ByteSource>& member : reader->Members(file)) {
        std::string name = member->Name();
        if (name.starts_with(prefix))
            name.erase(0, prefix.size());
        if (EndsWithIgnoringCase(name, ".cr"))
            reports.Reports.push_back({ file, std::move(member), name });
        else
            reports.Ignored.push_back(name);
    }
    if (reports.Reports.empty())
        throw Error("Die Datei " + PathText(file) + " enthält keinen Report (*.cr).");
    return reports;
}

ByteLimit PackedReportLimit(std::uint64_t packedBytes)
{
    const std::uint64_t bytes
        = std::min<std::uint64_t>(kMaxCRFileBytes, PackedInputBudget(packedBytes));
    return { bytes, OverBudgetText(bytes) };
}

std::unique_ptr<TReport> ReadReportInput(const ReportInput& input, Dialogs& dialogs,
    Progress& progress, std::vector<CRWarning>* warnings)
{
    if (!input.Member)
        return OpenReportFile(input.File, dialogs, progress, warnings);
    return ReadCRSource(
        *input.Member, PackedReportLimit(PackedSize(input.File)), dialogs, progress, warnings);
}

std::optional<int32_t> ReportTurn(const ReportInput& input)
{
    if (!input.Member)
        return HasExtension(input.File, ".cr") ? HeaderTurn(FileHead(input.File)) : std::nullopt;
    try {
        return HeaderTurn(input.Member->ReadAll(PackedReportLimit(PackedSize(input.File))));
    } catch (const Error&) {
        return std::nullopt; // reading it for real says why
    }
}

} // namespace maprune
