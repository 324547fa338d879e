// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace maprune {

class Dialogs;
class Progress;
class TReport;
struct CRWarning;

// Reads the report file `path` by its extension, compared ignoring case:
// ".kdf" a database (LoadKdfFile), ".cr" a computer report (ReadCRFile, whose
// warnings go to `warnings`, which may be null). Returns a new report only on
// success, so that a caller's open report stays when the read fails.
//
// Throws Error "unbekanntes Dateiformat" for any other extension and the
// KDF reader's Error for a damaged database; a CR that cannot be read has
// had its messages shown through `dialogs` and ends in Abort.
std::unique_ptr<TReport> OpenReportFile(const std::filesystem::path& path, Dialogs& dialogs,
                                        Progress& progress,
                                        std::vector<CRWarning>* warnings = nullptr);

// Whether `path` ends in `extension` (".kdf"), compared ignoring case.
bool HasExtension(const std::filesystem::path& path, std::string_view extension);

} // namespace maprune
