// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>

#include "storage/kdf_writer.h"

namespace maprune {

class Progress;
class TReport;

// Opens the KDF file `path` and reads the report in it (ReadReport through a
// TKDF_Reader). The file must end with the report: no data may follow and
// the zlib stream must be complete with a valid checksum. Returns a new
// report only on success; throws Error (StreamError, CompressionError,
// DamagedFileError and the messages of ReadReport) otherwise.
std::unique_ptr<TReport> LoadKdfFile(const std::filesystem::path& path, Progress& progress);

// Writes `report` to the KDF file `path`. The file is written beside `path`
// under a temporary name and renamed over `path` only after the writer was
// closed without error, so a failed save leaves a former file intact.
void SaveKdfFile(const TReport& report, const std::filesystem::path& path,
                 const KdfWriteOptions& options, Progress& progress);

} // namespace maprune
