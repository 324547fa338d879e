// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/write_stream.h"

#include <algorithm>

namespace maprune {

TWriteStream::TWriteStream(TStream& destination, size_t bufferSize)
    : FDestination(destination), FRing(bufferSize)
{
}

size_t TWriteStream::Read(void*, size_t)
{
    throw StreamReadError(kInvalidStreamOperation);
}

size_t TWriteStream::Write(const void* buffer, size_t count)
{
    const auto* from = static_cast<const uint8_t*>(buffer);
    size_t total = 0;
    while (total < count) {
        const size_t remaining = count - total;
        if (remaining > FRing.Free())
            FRing.Drain(FDestination, FRing.Count());
        const size_t stored = FRing.Put(from + total, std::min(remaining, FRing.Free()));
        if (stored == 0)
            break;
        total += stored;
    }
    return total;
}

int64_t TWriteStream::Seek(int64_t offset, SeekOrigin origin)
{
    return ForwardOnlySeek(offset, origin);
}

void TWriteStream::Flush()
{
    FRing.Drain(FDestination, FRing.Count());
    if (FRing.Count() != 0)
        throw StreamWriteError("Stream write error");
}

} // namespace maprune
