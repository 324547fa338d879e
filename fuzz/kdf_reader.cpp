// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the content of a KDF file, both as they are
// (the object records, where a damaged file does its harm) and as the zlib
// stream of the file. The reader must end in a report or in an Error, never
// crash, hang, leak or allocate more than the data can hold; each read gets
// the memory budget that its uncompressed bytes grant, within a ceiling
// below libFuzzer's memory limit. scripts/fuzz.sh runs it with inputs up to
// 1 MB and a saved database as a seed.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"
#include "storage/memory_stream.h"
#include "storage/read_stream.h"
#include "storage/report_stream.h"
#include "storage/zlib_streams.h"

namespace {

// Terrains with every storage test and completion path: land, water,
// iron and laen.
std::unique_ptr<maprune::GameData> TestGameData()
{
    using maprune::GameRecord;
    std::vector<GameRecord> records;
    auto add = [&](const char* name, uint8_t number) -> GameRecord& {
        GameRecord& r = records.emplace_back();
        r.Names = r.Singular = r.Plural = name;
        r.SetByte(16, maprune::KindTerrain);
        r.SetByte(73, number);
        r.SetInt32(32, number);
        return r;
    };
    add("Ebene", 1);
    add("Nebel", 8);
    GameRecord& mountains = add("Berge", 6);
    mountains.SetByte(40, 1);
    mountains.SetByte(41, 1);
    add("Ozean", 9).SetByte(24, 1);
    return std::make_unique<maprune::GameData>(std::move(records));
}

// A load may take up to kLoadMemoryCeiling; the fuzzer gives a run 2 GB.
constexpr uint64_t kFuzzMemoryCeiling = uint64_t { 1 } << 30;

void Read(maprune::TStream& content, uint64_t contentLimit)
{
    maprune::NullProgress progress;
    try {
        std::unique_ptr<maprune::TReport> report
            = maprune::ReadReport(content, progress, contentLimit, kFuzzMemoryCeiling);
        if (report == nullptr)
            __builtin_trap();
    } catch (const maprune::Error&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool installed = [] {
        maprune::SetGameData(TestGameData());
        return true;
    }();
    (void)installed;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    maprune::TMemoryStream plain(bytes);
    Read(plain, size);

    // The stages of a KDF reader over the bytes as a file.
    maprune::TMemoryStream file(bytes);
    maprune::TReadStream fileBuffer(file);
    maprune::TDecompressionStream inflater(fileBuffer);
    maprune::TReadStream top(inflater);
    Read(top, maprune::MaxInflatedSize(size));
    return 0;
}
