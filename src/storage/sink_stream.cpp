// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/sink_stream.h"

#include <string_view>

namespace maprune {

size_t TSinkStream::Read(void*, size_t)
{
    throw StreamReadError(kInvalidStreamOperation);
}

size_t TSinkStream::Write(const void* buffer, size_t count)
{
    FSink.Write(std::string_view(static_cast<const char*>(buffer), count));
    return count;
}

int64_t TSinkStream::Seek(int64_t offset, SeekOrigin origin)
{
    return ForwardOnlySeek(offset, origin);
}

} // namespace maprune
