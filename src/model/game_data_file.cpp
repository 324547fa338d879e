// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/game_data_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/byte_coding.h"
#include "core/error.h"

namespace maprune {

namespace {

// Four empty texts and the fixed block: the least a record can take.
constexpr size_t kMinRecordBytes = 4 * 2 + GameRecord::kFixedSize;

std::string ReadText(ByteReader& reader)
{
    const uint16_t length = reader.ReadU16();
    return std::string(reader.ReadBytes(length));
}

void WriteText(ByteWriter& writer, const std::string& text)
{
    if (text.size() > std::numeric_limits<uint16_t>::max())
        throw Error("text longer than 65535 bytes: " + text.substr(0, 40) + "...");
    writer.PutU16(static_cast<uint16_t>(text.size()));
    writer.PutBytes(text);
}

} // namespace

std::vector<GameRecord> ParseGameDataFile(std::string_view bytes)
{
    ByteReader reader(bytes);
    const int32_t count = reader.ReadI32();
    if (count < 0)
        throw Error("negative record count " + std::to_string(count));
    // Checked before anything is reserved, so that a hostile count cannot make
    // us allocate more than the file itself could describe.
    if (static_cast<uint64_t>(count) > reader.Remaining() / kMinRecordBytes)
        throw Error("record count " + std::to_string(count) + " does not fit into "
            + std::to_string(reader.Remaining()) + " bytes");
    std::vector<GameRecord> records;
    records.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        GameRecord& record = records.emplace_back();
        record.Singular = ReadText(reader);
        record.Plural = ReadText(reader);
        record.Names = ReadText(reader);
        record.Description = ReadText(reader);
        const std::string_view fixed = reader.ReadBytes(GameRecord::kFixedSize);
        std::transform(fixed.begin(), fixed.end(), record.Fixed.begin(),
            [](char c) { return static_cast<uint8_t>(c); });
    }
    if (!reader.AtEnd())
        throw Error(std::to_string(reader.Remaining()) + " bytes after the last record");
    return records;
}

std::string SerializeGameDataFile(const std::vector<GameRecord>& records)
{
    if (records.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        throw Error("too many records");
    ByteWriter writer;
    writer.PutI32(static_cast<int32_t>(records.size()));
    for (const GameRecord& record : records) {
        WriteText(writer, record.Singular);
        WriteText(writer, record.Plural);
        WriteText(writer, record.Names);
        WriteText(writer, record.Description);
        writer.PutBytes(std::string_view(
            reinterpret_cast<const char*>(record.Fixed.data()), record.Fixed.size()));
    }
    return writer.Take();
}

} // namespace maprune
