// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/kdf_file.h"

#include "core/write_file.h"
#include "model/report.h"
#include "storage/damaged_file.h"
#include "storage/kdf_reader.h"
#include "storage/load_budget.h"
#include "storage/kdf_writer.h"
#include "storage/report_stream.h"

namespace maprune {

std::unique_ptr<TReport> LoadKdfFile(const std::filesystem::path& path, Progress& progress)
{
    TKDF_Reader reader(path);
    std::error_code ec;
    const uintmax_t fileSize = std::filesystem::file_size(path, ec);
    // A file whose size the system does not tell (a device) is trusted as
    // far as an empty file.
    const uint64_t sizeBound = ec ? 0 : fileSize;
    std::unique_ptr<TReport> report
        = ReadReport(reader, progress, MaxInflatedSize(sizeBound), kLoadMemoryCeiling);
    if (!reader.AtCompleteEnd())
        ThrowDamagedFile("die komprimierten Daten sind unvollständig oder gehen über den Report hinaus");
    return report;
}

void WriteKdfFile(
    const TReport& report, ByteSink& sink, const KdfWriteOptions& options, Progress& progress)
{
    TKDF_Writer writer(sink, options);
    WriteReport(report, writer, progress);
    writer.Close();
}

void SaveKdfFile(const TReport& report, const std::filesystem::path& path,
                 const KdfWriteOptions& options, Progress& progress)
{
    WriteFileAtomically(
        path, [&](ByteSink& file) { WriteKdfFile(report, file, options, progress); },
        NewFileAccess::OwnerOnly);
}

} // namespace maprune
