// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/byte_coding.h"

#include <bit>

namespace maprune {

void ByteReader::ThrowTruncated(size_t count) const
{
    throw TruncatedData("unexpected end of data at byte " + std::to_string(FPos) + ": "
        + std::to_string(count) + " bytes needed, " + std::to_string(Remaining()) + " left");
}

uint16_t ByteReader::ReadU16()
{
    std::string_view b = ReadBytes(2);
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8);
}

uint64_t ByteReader::ReadU64()
{
    std::string_view b = ReadBytes(8);
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(b[i]);
    return value;
}

double ByteReader::ReadF64()
{
    return std::bit_cast<double>(ReadU64());
}

void ByteWriter::PutU16(uint16_t value)
{
    PutU8(static_cast<uint8_t>(value));
    PutU8(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::PutU32(uint32_t value)
{
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                           static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    FOut.append(bytes, 4);
}

void ByteWriter::PatchU32(size_t position, uint32_t value)
{
    if (position > FOut.size() || FOut.size() - position < 4)
        throw Error("ByteWriter::PatchU32: position " + std::to_string(position) + " not written");
    for (int i = 0; i < 4; ++i)
        FOut[position + static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
}

void ByteWriter::PutU64(uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        PutU8(static_cast<uint8_t>(value >> (8 * i)));
}

void ByteWriter::PutF64(double value)
{
    PutU64(std::bit_cast<uint64_t>(value));
}

} // namespace maprune
