// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/report_file.h"

#include <algorithm>
#include <cctype>

#include "core/error.h"
#include "model/report.h"
#include "report/cr_reader.h"
#include "storage/kdf_file.h"

namespace maprune {

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
    if (HasExtension(path, ".kdf"))
        return LoadKdfFile(path, progress);
    if (HasExtension(path, ".cr"))
        return ReadCRFile(path, dialogs, progress, warnings);
    throw Error("unbekanntes Dateiformat");
}

} // namespace maprune
