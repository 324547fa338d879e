// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/report_file.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "core/error.h"
#include "core/write_file.h"
#include "files/report_inputs.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "report/cr_writer.h"
#include "storage/kdf_file.h"

namespace maprune {

namespace {

constexpr const char* kSavedFormats
    = "unbekanntes Dateiformat. Maprune speichert Maprune-Daten (*.kdf) und Computer-Reports "
      "(*.cr): die Datei muss die Endung .kdf oder .cr haben.";

} // namespace

bool HasExtension(const std::filesystem::path& path, std::string_view extension)
{
    const std::u8string actual = path.extension().u8string();
    return actual.size() == extension.size()
           && std::equal(actual.begin(), actual.end(), extension.begin(), [](char8_t a, char b) {
                  return std::tolower(static_cast<unsigned char>(a))
                         == std::tolower(static_cast<unsigned char>(b));
              });
}

std::unique_ptr<TReport> OpenReportFile(const std::filesystem::path& path, Dialogs& dialogs,
                                        Progress& progress, std::vector<CRWarning>* warnings)
{
    if (IsPackedReportFile(path))
        return ReadReportInput(ReportsOf(path).Reports.front(), dialogs, progress, warnings);
    if (HasExtension(path, ".kdf"))
        return LoadKdfFile(path, progress);
    if (HasExtension(path, ".cr"))
        return ReadCRFile(path, dialogs, progress, warnings);
    throw Error("unbekanntes Dateiformat");
}

void CheckReportSaveName(const std::filesystem::path& path)
{
    if (!HasExtension(path, ".kdf") && !HasExtension(path, ".cr"))
        throw Error(kSavedFormats);
}

void SaveReportFile(
    const TReport& report, const std::filesystem::path& path, const SaveReportOptions& options)
{
    CheckReportSaveName(path);
    if (HasExtension(path, ".cr")) {
        WriteFileAtomically(
            path,
            [&report](ByteSink& file) {
                WriteCRExtract(report, CRExtractOptions::Everything(), true, file);
            },
            NewFileAccess::OwnerOnly);
        return;
    }
    SaveKdfFile(report, path, options.Kdf, options.Saving);
}

} // namespace maprune
