// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/byte_coding.h"

#include <bit>

namespace maprune {

void ByteReader::Require(size_t count) const
{
    if (count > Remaining()) {
        throw TruncatedData("unexpected end of data at byte " + std::to_string(pos_) + ": "
            + std::to_string(count) + " bytes needed, " + std::to_string(Remaining()) + " left");
    }
}

std::string_view ByteReader::ReadBytes(size_t count)
{
    Require(count);
    std::string_view result = bytes_.substr(pos_, count);
    pos_ += count;
    return result;
}

uint8_t ByteReader::ReadU8()
{
    return static_cast<uint8_t>(ReadBytes(1)[0]);
}

uint16_t ByteReader::ReadU16()
{
    std::string_view b = ReadBytes(2);
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8);
}

uint32_t ByteReader::ReadU32()
{
    std::string_view b = ReadBytes(4);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<uint8_t>(b[i]);
    return value;
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
    for (int i = 0; i < 4; ++i)
        PutU8(static_cast<uint8_t>(value >> (8 * i)));
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
