// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/byte_source.h"

namespace maprune {

class Dialogs;
class Progress;
class TReport;
struct CRWarning;

// One report to read: a file by its extension (".cr", ".kdf"), or one
// computer report inside an archive or compressed file.
struct ReportInput {
    std::filesystem::path File;
    std::shared_ptr<ByteSource> Member; // null: the file itself
    std::string MemberName; // the member's name in the archive

    // How messages name it: the path, "a.zip: b.cr" for a member.
    std::string Name() const;
};

// Whether `file` is an archive or a compressed report by its name, ignoring
// case: ".zip", ".cr.gz", ".cr.bz2", ".cr.xz".
bool IsPackedReportFile(const std::filesystem::path& file);

// The reports a file holds, in their order.
struct FileReports {
    std::vector<ReportInput> Reports;
    std::vector<std::string> Ignored; // members of an archive that are no ".cr"
};

// The file itself for any other than a packed file; for a packed file its
// members whose names end in ".cr" (ignoring case), the others listed as
// ignored. Throws Error naming the file when the build reads no archives,
// the archive is damaged or holds no report.
FileReports ReportsOf(const std::filesystem::path& file);

// The bound of a report packed in a file of `packedBytes` bytes: the memory
// budget of loading a file of that size, at most what a plain report may
// have (kMaxCRFileBytes), so that a bomb is refused before it fills the
// memory.
ByteLimit PackedReportLimit(std::uint64_t packedBytes);

// Reads one report: a file by its extension (OpenReportFile's readers), a
// member as a computer report within PackedReportLimit. Failures as
// OpenReportFile's.
std::unique_ptr<TReport> ReadReportInput(const ReportInput& input, Dialogs& dialogs,
    Progress& progress, std::vector<CRWarning>* warnings = nullptr);

// The turn that a computer report's header names, read from its first
// kilobytes (a member's from its bytes); none for a database, an order file
// or a report whose header names none or that cannot be read.
std::optional<int32_t> ReportTurn(const ReportInput& input);

} // namespace maprune
