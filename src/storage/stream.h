// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/stream_error.h"

namespace maprune {

enum class SeekOrigin { Beginning, Current, End };

// A byte stream. Read and Write move up to `count` bytes and return how many
// they moved: a short Read means the source is exhausted. Failures throw.
class TStream {
public:
    virtual ~TStream() = default;
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual size_t Write(const void* buffer, size_t count) = 0;
    // Moves the position and returns the new one.
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }

    // Exactly `count` bytes or StreamReadError("Stream read error").
    void ReadBuffer(void* buffer, size_t count);
    // Exactly `count` bytes or StreamWriteError("Stream write error").
    void WriteBuffer(const void* buffer, size_t count);
};

// Seek of a forward-only stream: answers the position query (offset 0 from
// the current position) with 0 and refuses every other positioning.
int64_t ForwardOnlySeek(int64_t offset, SeekOrigin origin);

} // namespace maprune
