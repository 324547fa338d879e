// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/read_stream.h"

#include <algorithm>

namespace maprune {

TReadStream::TReadStream(TStream& source, size_t bufferSize) : FSource(source), FRing(bufferSize) {}

size_t TReadStream::Read(void* buffer, size_t count)
{
    auto* to = static_cast<uint8_t*>(buffer);
    size_t total = 0;
    while (total < count) {
        const size_t asked = count - total;
        if (asked > FRing.Count())
            FRing.Fill(FSource, FRing.Size());
        const size_t taken = FRing.Get(to + total, std::min(asked, FRing.Count()));
        if (taken == 0)
            break;
        total += taken;
    }
    return total;
}

size_t TReadStream::Write(const void*, size_t)
{
    throw StreamWriteError(kInvalidStreamOperation);
}

int64_t TReadStream::Seek(int64_t offset, SeekOrigin origin)
{
    return ForwardOnlySeek(offset, origin);
}

} // namespace maprune
