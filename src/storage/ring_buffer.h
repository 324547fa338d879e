// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace maprune {

class TStream;

// A circular byte buffer between a stream and its user.
//
// Invariants: 0 <= Count() <= Size(); both positions lie in [0, Size()) and
// wrap to 0 at Size(); Count() == Size() means full, Count() == 0 empty.
// Every transfer moves at most the bytes asked and returns the number moved:
// 0 when asked for 0, when storing into a full buffer or when taking from an
// empty one. Transfers against a stream stop early when the stream moves no
// bytes.
class TRingBuffer {
public:
    static constexpr size_t kDefaultSize = 65536;

    explicit TRingBuffer(size_t size = kDefaultSize);

    // Reallocates the storage to `size` bytes. Throws Error while the buffer
    // still holds data.
    void SetSize(size_t size);
    // Empties the buffer and moves both positions to the start.
    void Reset();

    // Reads from `source` into the free space.
    size_t Fill(TStream& source, size_t count);
    // Copies from memory into the free space.
    size_t Put(const void* bytes, size_t count);
    // Writes held bytes to `destination`.
    size_t Drain(TStream& destination, size_t count);
    // Copies held bytes out to memory.
    size_t Get(void* bytes, size_t count);

    size_t Size() const { return FSize; }
    size_t Count() const { return FCount; }
    size_t Free() const { return FSize - FCount; }

private:
    // Runs `move` on each contiguous piece of free space (storing) or of held
    // bytes (taking out) until `count` bytes moved or `move` moves fewer than
    // offered; `move(offset, length)` returns the bytes it moved.
    template <class Move>
    size_t Store(size_t count, Move move);
    template <class Move>
    size_t Take(size_t count, Move move);

    std::unique_ptr<uint8_t[]> FBuffer;
    size_t FSize = 0;
    size_t FCount = 0;
    size_t FReadPos = 0;
    size_t FWritePos = 0;
};

} // namespace maprune
