// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/stream.h"

namespace maprune {

void TStream::ReadBuffer(void* buffer, size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw StreamReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw StreamWriteError("Stream write error");
}

int64_t ForwardOnlySeek(int64_t offset, SeekOrigin origin)
{
    if (offset != 0 || origin != SeekOrigin::Current)
        throw StreamError(kInvalidStreamOperation);
    return 0;
}

} // namespace maprune
