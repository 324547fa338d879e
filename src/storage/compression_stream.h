// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "storage/stream.h"
#include "storage/zlib_error.h"

namespace maprune {

// Compresses what is written to it into an RFC 1950 zlib stream (deflate,
// 15-bit window) written to `destination`, which it does not own.
//
// The data is cut into 1 MiB chunks that threads of their own compress side
// by side, each chunk primed with the 32 KiB before it, so that the result
// is nearly as small as one compressor's; the chunks are joined by empty
// stored blocks, which every inflater reads. Only the calling thread writes
// to the destination, in order, and a failure of it or of zlib is thrown by
// Write or Finish. Forward-only: Read fails with StreamReadError, Seek
// answers only the position query with 0.
class TCompressionStream : public TStream {
public:
    TCompressionStream(TStream& destination, int level);
    ~TCompressionStream() override;

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    // Ends the zlib stream: compresses and writes what is held, the end of
    // the deflate data and the Adler-32 trailer. Nothing may be written
    // afterwards.
    void Finish();

private:
    struct Chunk;
    struct State;

    // Hands the filled chunk to the threads.
    void Submit();
    // Writes the finished chunks at the front; waits for the front one while
    // more than `keep` chunks are under way.
    void WriteFinished(size_t keep);
    void WriteHeaderOnce();

    TStream& FDestination;
    std::unique_ptr<State> FState;
};

} // namespace maprune
