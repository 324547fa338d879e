// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/kdf_file.h"

#include "core/write_file.h"
#include "model/report.h"
#include "storage/damaged_file.h"
#include "storage/kdf_reader.h"
#include "storage/report_stream.h"

namespace maprune {

std::unique_ptr<TReport> LoadKdfFile(const std::filesystem::path& path, Progress& progress)
{
    TKDF_Reader reader(path);
    std::unique_ptr<TReport> report = ReadReport(reader, progress);
    if (!reader.AtCompleteEnd())
        ThrowDamagedFile("die komprimierten Daten sind unvollständig oder gehen über den Report hinaus");
    return report;
}

void SaveKdfFile(const TReport& report, const std::filesystem::path& path,
                 const KdfWriteOptions& options, Progress& progress)
{
    ReplaceFileAtomically(path, [&](const std::filesystem::path& temporary) {
        TKDF_Writer writer(temporary, options);
        WriteReport(report, writer, progress);
        writer.Close();
    });
}

} // namespace maprune
