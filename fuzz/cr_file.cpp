// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a ".cr" file on disk, opened the way the
// program opens a report (OpenReportFile: the file read, the bytes that hold
// no report refused, the reader, the cut-off check). It must end in a report
// or in its abort or Error, never crash, hang or leak.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/error.h"
#include "core/progress.h"
#include "files/report_file.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"

namespace {

std::unique_ptr<maprune::GameData> TestGameData()
{
    using maprune::GameRecord;
    std::vector<GameRecord> records;
    auto add = [&](const char* names, uint8_t kind) -> GameRecord& {
        GameRecord& r = records.emplace_back();
        r.Names = r.Singular = r.Plural = names;
        r.SetByte(16, kind);
        return r;
    };
    add("Ebene", maprune::KindTerrain).SetByte(73, 1);
    add("Ozean", maprune::KindTerrain).SetByte(24, 1);
    add("Schwert", maprune::KindItem);
    return std::make_unique<maprune::GameData>(std::move(records));
}

// One file per fuzzing process, so that parallel jobs do not share it.
const std::filesystem::path& InputFile()
{
    static const std::filesystem::path file = std::filesystem::temp_directory_path()
        / ("maprune_fuzz_cr_file_" + std::to_string(::getpid()) + ".cr");
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool installed = [] {
        maprune::SetGameData(TestGameData());
        return true;
    }();
    (void)installed;
    {
        std::ofstream out(InputFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    maprune::SilentDialogs dialogs;
    maprune::NullProgress progress;
    std::vector<maprune::CRWarning> warnings;
    try {
        std::unique_ptr<maprune::TReport> report
            = maprune::OpenReportFile(InputFile(), dialogs, progress, &warnings);
        if (report == nullptr || warnings.size() > maprune::kMaxStoredWarnings + 2)
            __builtin_trap();
    } catch (const maprune::Error&) {
    }
    return 0;
}
