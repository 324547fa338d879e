// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace maprune {

size_t TMemoryStream::Read(void* buffer, size_t count)
{
    const size_t n = std::min(count, FBytes.size() - FPosition);
    if (n > 0)
        std::memcpy(buffer, FBytes.data() + FPosition, n);
    FPosition += n;
    return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count)
{
    if (FPosition + count > FBytes.size())
        FBytes.resize(FPosition + count);
    if (count > 0)
        std::memcpy(FBytes.data() + FPosition, buffer, count);
    FPosition += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin)
{
    const auto size = static_cast<int64_t>(FBytes.size());
    const int64_t base = origin == SeekOrigin::Beginning ? 0
                         : origin == SeekOrigin::Current ? static_cast<int64_t>(FPosition)
                                                         : size;
    if (offset < -base || offset > size - base)
        throw StreamError(kInvalidStreamOperation);
    FPosition = static_cast<size_t>(base + offset);
    return base + offset;
}

} // namespace maprune
