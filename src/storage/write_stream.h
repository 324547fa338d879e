// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ring_buffer.h"
#include "storage/stream.h"

namespace maprune {

// A forward-only buffered writer: collects many small writes into block
// writes to `destination`, which it does not own and which must outlive it.
// Read fails with StreamReadError; Seek answers only the position query with 0.
//
// Flush hands every held byte to the destination and must be called before
// the stream is destroyed; destruction without Flush discards what is held,
// because a destructor cannot report a failed write.
class TWriteStream : public TStream {
public:
    explicit TWriteStream(TStream& destination, size_t bufferSize = TRingBuffer::kDefaultSize);

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    // Throws StreamWriteError("Stream write error") when the destination
    // takes fewer bytes than held.
    void Flush();

private:
    TStream& FDestination;
    TRingBuffer FRing;
};

} // namespace maprune
