// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ring_buffer.h"

#include <algorithm>
#include <cstring>

#include "core/error.h"
#include "storage/stream.h"

namespace maprune {

TRingBuffer::TRingBuffer(size_t size)
{
    SetSize(size);
}

void TRingBuffer::SetSize(size_t size)
{
    if (FCount > 0) {
        throw Error("TRingBuffer: buffer may not be resized while still containing data. Call "
                    "Reset to clear the buffer.");
    }
    FBuffer = std::make_unique<uint8_t[]>(size);
    FSize = size;
    Reset();
}

void TRingBuffer::Reset()
{
    FCount = 0;
    FReadPos = 0;
    FWritePos = 0;
}

template <class Move>
size_t TRingBuffer::Store(size_t count, Move move)
{
    size_t total = 0;
    while (total < count && FCount < FSize) {
        const size_t stretch = FWritePos < FReadPos ? FReadPos - FWritePos : FSize - FWritePos;
        const size_t piece = std::min({stretch, FSize - FCount, count - total});
        const size_t moved = move(FWritePos, piece);
        FWritePos = (FWritePos + moved) % FSize;
        FCount += moved;
        total += moved;
        if (moved == 0)
            break;
    }
    return total;
}

template <class Move>
size_t TRingBuffer::Take(size_t count, Move move)
{
    size_t total = 0;
    while (total < count && FCount > 0) {
        const size_t stretch = FReadPos < FWritePos ? FWritePos - FReadPos : FSize - FReadPos;
        const size_t piece = std::min({stretch, FCount, count - total});
        const size_t moved = move(FReadPos, piece);
        FReadPos = (FReadPos + moved) % FSize;
        FCount -= moved;
        total += moved;
        if (moved == 0)
            break;
    }
    return total;
}

size_t TRingBuffer::Fill(TStream& source, size_t count)
{
    return Store(count, [&](size_t at, size_t length) {
        return source.Read(FBuffer.get() + at, length);
    });
}

size_t TRingBuffer::Put(const void* bytes, size_t count)
{
    const auto* from = static_cast<const uint8_t*>(bytes);
    return Store(count, [&](size_t at, size_t length) {
        std::memcpy(FBuffer.get() + at, from, length);
        from += length;
        return length;
    });
}

size_t TRingBuffer::Drain(TStream& destination, size_t count)
{
    return Take(count, [&](size_t at, size_t length) {
        return destination.Write(FBuffer.get() + at, length);
    });
}

size_t TRingBuffer::Get(void* bytes, size_t count)
{
    auto* to = static_cast<uint8_t*>(bytes);
    return Take(count, [&](size_t at, size_t length) {
        std::memcpy(to, FBuffer.get() + at, length);
        to += length;
        return length;
    });
}

} // namespace maprune
