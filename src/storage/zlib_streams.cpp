// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/zlib_streams.h"

#include <algorithm>
#include <limits>

#include <zlib.h>

namespace maprune {

namespace {

// zlib counts in uInt; larger requests go in pieces.
constexpr size_t kMaxPiece = std::numeric_limits<uInt>::max();

} // namespace

struct TDecompressionStream::State {
    z_stream Z{};
    unsigned char Input[kInputSize];
};

TDecompressionStream::TDecompressionStream(TStream& source)
    : FSource(source), FState(std::make_unique<State>())
{
    if (const int result = inflateInit(&FState->Z); result != Z_OK)
        ThrowZlibError(result);
}

TDecompressionStream::~TDecompressionStream()
{
    inflateEnd(&FState->Z);
}

size_t TDecompressionStream::Read(void* buffer, size_t count)
{
    z_stream& z = FState->Z;
    auto* to = static_cast<Bytef*>(buffer);
    size_t total = 0;
    while (total < count && !FEnded) {
        if (z.avail_in == 0) {
            const size_t got = FSource.Read(FState->Input, kInputSize);
            if (got == 0)
                break;
            z.next_in = FState->Input;
            z.avail_in = static_cast<uInt>(got);
        }
        const size_t piece = std::min(count - total, kMaxPiece);
        z.next_out = to + total;
        z.avail_out = static_cast<uInt>(piece);
        const int result = inflate(&z, Z_NO_FLUSH);
        total += piece - z.avail_out;
        if (result == Z_STREAM_END)
            FEnded = true;
        else if (result != Z_OK && !(result == Z_BUF_ERROR && z.avail_in == 0))
            ThrowZlibError(result);
    }
    return total;
}

bool TDecompressionStream::EndedWithSource()
{
    if (!FEnded || FState->Z.avail_in != 0)
        return false;
    unsigned char extra;
    return FSource.Read(&extra, 1) == 0;
}

size_t TDecompressionStream::Write(const void*, size_t)
{
    throw StreamWriteError(kInvalidStreamOperation);
}

int64_t TDecompressionStream::Seek(int64_t offset, SeekOrigin origin)
{
    return ForwardOnlySeek(offset, origin);
}

} // namespace maprune
