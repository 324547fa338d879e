// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "storage/stream.h"

namespace maprune {

// A stream over bytes held in memory: reads and writes at the position,
// writing past the end extends the bytes; Seek moves anywhere within them.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : FBytes(std::move(bytes)) {}

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    // Throws StreamError for a position outside 0 .. size.
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    const std::string& Bytes() const { return FBytes; }

private:
    std::string FBytes;
    size_t FPosition = 0;
};

} // namespace maprune
