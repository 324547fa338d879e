// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "storage/stream.h"
#include "storage/zlib_error.h"

namespace maprune {

// Decompresses a zlib stream read from `source`, which it does not own, in
// pieces of up to 64 KiB. Read returns fewer bytes than asked only at the end
// of the compressed data or when the source runs dry, and 0 thereafter;
// damaged data throws CompressionError. Forward-only: Write fails with
// StreamWriteError, Seek answers only the position query with 0.
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
