// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/byte_sink.h"
#include "storage/stream.h"

namespace maprune {

// The stream form of a ByteSink, which it does not own and which must
// outlive it: Write hands every byte to the sink, whose failure propagates.
// Forward-only: Read fails with StreamReadError, Seek answers only the
// position query with 0.
class TSinkStream : public TStream {
public:
    explicit TSinkStream(ByteSink& sink)
        : FSink(sink)
    {
    }

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

private:
    ByteSink& FSink;
};

} // namespace maprune
