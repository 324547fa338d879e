// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/zlib_streams.h"

#include <algorithm>
#include <limits>
#include <string>

#include <zlib.h>

namespace maprune {

namespace {

// "Error", then what went wrong in German; zlib's own words are English.
[[noreturn]] void ThrowZlibError(int result)
{
    switch (result) {
    case Z_DATA_ERROR:
        throw CompressionError("Error: die komprimierten Daten sind beschädigt");
    case Z_MEM_ERROR:
        throw CompressionError("Error: nicht genug Arbeitsspeicher für die Kompression");
    default:
        throw CompressionError(
            "Error: die Kompression schlug fehl (zlib " + std::to_string(result) + ")");
    }
}

// zlib counts in uInt; larger requests go in pieces.
constexpr size_t kMaxPiece = std::numeric_limits<uInt>::max();

} // namespace

struct TCompressionStream::State {
    z_stream Z{};
    unsigned char Output[kOutputSize];
    bool Finished = false;
};

TCompressionStream::TCompressionStream(TStream& destination, int level)
    : FDestination(destination), FState(std::make_unique<State>())
{
    if (const int result = deflateInit(&FState->Z, level); result != Z_OK)
        ThrowZlibError(result);
    FState->Z.next_out = FState->Output;
    FState->Z.avail_out = kOutputSize;
}

TCompressionStream::~TCompressionStream()
{
    deflateEnd(&FState->Z);
}

size_t TCompressionStream::Read(void*, size_t)
{
    throw StreamReadError(kInvalidStreamOperation);
}

int64_t TCompressionStream::Seek(int64_t offset, SeekOrigin origin)
{
    return ForwardOnlySeek(offset, origin);
}

void TCompressionStream::Deflate(int flush)
{
    z_stream& z = FState->Z;
    for (;;) {
        const int result = deflate(&z, flush);
        if (result == Z_STREAM_ERROR)
            ThrowZlibError(result);
        const bool full = z.avail_out == 0;
        if (full || result == Z_STREAM_END) {
            FDestination.WriteBuffer(FState->Output, kOutputSize - z.avail_out);
            z.next_out = FState->Output;
            z.avail_out = kOutputSize;
        }
        if (result == Z_STREAM_END)
            return;
        // Without a full output buffer deflate has taken all input and, when
        // not finishing, has nothing more to give.
        if (!full && flush != Z_FINISH)
            return;
    }
}

size_t TCompressionStream::Write(const void* buffer, size_t count)
{
    if (FState->Finished)
        throw StreamWriteError(kInvalidStreamOperation);
    const auto* from = static_cast<const Bytef*>(buffer);
    size_t remaining = count;
    while (remaining > 0) {
        const size_t piece = std::min(remaining, kMaxPiece);
        FState->Z.next_in = const_cast<Bytef*>(from);
        FState->Z.avail_in = static_cast<uInt>(piece);
        Deflate(Z_NO_FLUSH);
        from += piece;
        remaining -= piece;
    }
    return count;
}

void TCompressionStream::Finish()
{
    if (FState->Finished)
        return;
    FState->Z.next_in = nullptr;
    FState->Z.avail_in = 0;
    Deflate(Z_FINISH);
    FState->Finished = true;
}

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
