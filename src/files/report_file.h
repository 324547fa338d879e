// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "storage/kdf_write_options.h"

namespace maprune {

class Dialogs;
class Progress;
class TReport;
struct CRWarning;

// Reads the report file `path` by its extension, compared ignoring case:
// ".kdf" a database (LoadKdfFile), ".cr" a computer report (ReadCRFile, whose
// warnings go to `warnings`, which may be null), a packed file
// (IsPackedReportFile) its first report (adding reads all: AddFileReports). Returns a new report
// only on success, so that a caller's open report stays when the read fails.
//
// Throws Error "unbekanntes Dateiformat" for any other extension, the KDF
// reader's Error for a damaged database and ReportsOf's for an archive; a CR
// that cannot be read has had its messages shown through `dialogs` and ends
// in Abort.
std::unique_ptr<TReport> OpenReportFile(const std::filesystem::path& path, Dialogs& dialogs,
                                        Progress& progress,
                                        std::vector<CRWarning>* warnings = nullptr);

// How SaveReportFile writes; filled by the caller from its settings or
// arguments.
struct SaveReportOptions {
    KdfWriteOptions Kdf; // the compression of a database
    Progress& Saving; // the progress of writing
};

// Throws Error telling why when SaveReportFile cannot write a report to
// `path`: it writes databases (".kdf") and computer reports (".cr"), the
// extension compared ignoring case. Callers that have work to do before
// saving check first.
void CheckReportSaveName(const std::filesystem::path& path);

// Writes `report` to `path` by its extension: ".kdf" a database
// (SaveKdfFile), ".cr" the full report with every region and all content
// (WriteCRExtract), which keeps what the CR format holds but not the history
// of earlier turns. Both go through a temporary file. Throws the Error of
// CheckReportSaveName before touching any file, and the writer's Error; a
// failed save leaves a former file at `path` as it was. A new file is
// readable by its owner only, since both forms hold the party's password.
void SaveReportFile(
    const TReport& report, const std::filesystem::path& path, const SaveReportOptions& options);

// Whether `path` ends in `extension` (".kdf"), compared ignoring case.
bool HasExtension(const std::filesystem::path& path, std::string_view extension);

} // namespace maprune
