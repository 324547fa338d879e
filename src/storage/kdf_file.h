// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>

#include "core/error.h"
#include "storage/kdf_write_options.h"

namespace maprune {

class ByteSink;
class Progress;
class TReport;

// Opens the KDF file `path` and reads the report in it (ReadReport through a
// TKDF_Reader). The file must end with the report: no data may follow and
// the zlib stream must be complete with a valid checksum. Returns a new
// report only on success; throws Error (StreamError, CompressionError,
// DamagedFileError and the messages of ReadReport) otherwise.
std::unique_ptr<TReport> LoadKdfFile(const std::filesystem::path& path, Progress& progress);

// Writes `report` as a KDF database into `sink` (WriteReport through a
// TKDF_Writer, closed at the end). Throws what the sink throws and the
// messages of WriteReport; the sink then holds an incomplete database.
void WriteKdfFile(
    const TReport& report, ByteSink& sink, const KdfWriteOptions& options, Progress& progress);

// Writes `report` to the KDF file `path` through WriteFileAtomically, so a
// failed save leaves a former file intact. A new file is readable by its
// owner only: the database holds the party's password.
void SaveKdfFile(const TReport& report, const std::filesystem::path& path,
                 const KdfWriteOptions& options, Progress& progress);

} // namespace maprune
