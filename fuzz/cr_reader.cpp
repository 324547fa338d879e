// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a computer report. The reader must end in a
// report or in its abort, never crash, hang or leak.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/dialogs.h"
#include "core/error.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"
#include "report/cr_reader.h"

namespace {

// A small game table, so that terrain, talent and item look-ups take their
// real paths without a data file.
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
    add("Nebel", maprune::KindTerrain).SetByte(73, 8);
    GameRecord& mountains = add("Berge", maprune::KindTerrain);
    mountains.SetByte(73, 6);
    mountains.SetByte(40, 1);
    add("Ozean", maprune::KindTerrain).SetByte(24, 1);
    add("Bergbau", maprune::KindTalent).SetByte(24, 3);
    add("Holzfaellen", maprune::KindTalent).SetByte(24, 8);
    add("Schwert", maprune::KindItem);
    add("Silber", maprune::KindItem).SetByte(288, 7);
    return std::make_unique<maprune::GameData>(std::move(records));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool installed = [] {
        maprune::SetGameData(TestGameData());
        return true;
    }();
    (void)installed;
    maprune::SilentDialogs dialogs;
    maprune::NullProgress progress;
    std::vector<maprune::CRWarning> warnings;
    try {
        std::unique_ptr<maprune::TReport> report = maprune::ReadCR(
            std::string_view(reinterpret_cast<const char*>(data), size), dialogs, progress, &warnings);
        if (report == nullptr)
            __builtin_trap();
    } catch (const maprune::Abort&) {
    }
    return 0;
}
