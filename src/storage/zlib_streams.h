// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "storage/stream.h"

namespace maprune {

// A failure of zlib while compressing or decompressing; the text starts with
// "Error".
class CompressionError : public Error {
public:
    using Error::Error;
};

// Compresses what is written to it into an RFC 1950 zlib stream (zlib's
// defaults: deflate, 15-bit window, memory level 8, default strategy) written
// to `destination`, which it does not own. Forward-only: Read fails with
// StreamReadError, Seek answers only the position query with 0.
class TCompressionStream : public TStream {
public:
    static constexpr size_t kOutputSize = 65536;

    TCompressionStream(TStream& destination, int level);
    ~TCompressionStream() override;

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    // Ends the zlib stream: writes all pending output and the Adler-32
    // trailer to the destination. Nothing may be written afterwards.
    void Finish();

private:
    struct State;
    void Deflate(int flush);

    TStream& FDestination;
    std::unique_ptr<State> FState;
};

// Decompresses a zlib stream read from `source`, which it does not own, in
// pieces of up to 64 KiB. Read returns fewer bytes than asked only at the end
// of the compressed data or when the source runs dry, and 0 thereafter;
// damaged data throws CompressionError. Forward-only like TCompressionStream.
class TDecompressionStream : public TStream {
public:
    static constexpr size_t kInputSize = 65536;

    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    // True once the zlib stream's end and its checksum were read and verified.
    bool StreamEnded() const { return FEnded; }
    // True when the stream has ended and the source holds no byte after it;
    // reads the source to find out.
    bool EndedWithSource();

private:
    struct State;

    TStream& FSource;
    std::unique_ptr<State> FState;
    bool FEnded = false;
};

} // namespace maprune
