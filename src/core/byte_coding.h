// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/error.h"

namespace maprune {

// Thrown by ByteReader when a read needs more bytes than are left.
class TruncatedData : public Error {
public:
    using Error::Error;
};

// Little-endian reader over a borrowed byte buffer; the buffer must outlive
// the reader. Every read checks the remaining length first and throws
// TruncatedData without moving the position when it is too short, so a
// reader of outside input can never read past its buffer.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes)
        : FBytes(bytes)
    {
    }

    size_t Position() const { return FPos; }
    size_t Remaining() const { return FBytes.size() - FPos; }
    bool AtEnd() const { return FPos == FBytes.size(); }

    // The readers of the common sizes are inline: database files are read
    // value by value, millions of them.
    uint8_t ReadU8()
    {
        Require(1);
        return static_cast<uint8_t>(FBytes[FPos++]);
    }
    uint16_t ReadU16();
    uint32_t ReadU32()
    {
        Require(4);
        const auto* b = reinterpret_cast<const unsigned char*>(FBytes.data() + FPos);
        FPos += 4;
        return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8
            | static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
    }
    uint64_t ReadU64();
    int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
    int64_t ReadI64() { return static_cast<int64_t>(ReadU64()); }
    double ReadF64(); // IEEE 754 binary64
    // The next `count` bytes, as a view into the buffer.
    std::string_view ReadBytes(size_t count)
    {
        Require(count);
        const std::string_view result(FBytes.data() + FPos, count);
        FPos += count;
        return result;
    }
    void Skip(size_t count) { ReadBytes(count); }

private:
    void Require(size_t count) const
    {
        if (count > Remaining())
            ThrowTruncated(count);
    }
    [[noreturn]] void ThrowTruncated(size_t count) const;

    std::string_view FBytes;
    size_t FPos = 0;
};

// Little-endian writer appending to a string that it owns.
class ByteWriter {
public:
    void PutU8(uint8_t value) { FOut.push_back(static_cast<char>(value)); }
    void PutU16(uint16_t value);
    void PutU32(uint32_t value);
    void PutU64(uint64_t value);
    void PutI32(int32_t value) { PutU32(static_cast<uint32_t>(value)); }
    void PutI64(int64_t value) { PutU64(static_cast<uint64_t>(value)); }
    void PutF64(double value);
    void PutBytes(std::string_view bytes) { FOut.append(bytes); }
    // Overwrites the 4 bytes written at `position` with `value`, so that a
    // length can precede data whose size is known only afterwards. Throws
    // Error when those bytes were not written yet.
    void PatchU32(size_t position, uint32_t value);
    // Makes room for `bytes` in all, so that a writer whose size can be
    // estimated does not copy its buffer each time it grows.
    void Reserve(size_t bytes) { FOut.reserve(bytes); }

    size_t Size() const { return FOut.size(); }
    const std::string& Bytes() const { return FOut; }
    std::string Take() { return std::move(FOut); }

private:
    std::string FOut;
};

} // namespace maprune
