// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ring_buffer.h"
#include "storage/stream.h"

namespace maprune {

// A forward-only buffered reader: turns many small reads into block reads
// from `source`, which it does not own and which must outlive it.
// Write fails with StreamWriteError; Seek answers only the position query
// (offset 0 from the current position) with 0 and fails otherwise.
class TReadStream : public TStream {
public:
    explicit TReadStream(TStream& source, size_t bufferSize = TRingBuffer::kDefaultSize);

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

private:
    TStream& FSource;
    TRingBuffer FRing;
};

} // namespace maprune
