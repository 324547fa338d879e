// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "core/error.h"
#include "storage/memory_stream.h"
#include "storage/ring_buffer.h"

using namespace maprune;

namespace {

std::string Take(TRingBuffer& ring, size_t n)
{
    std::string out(n, '\0');
    out.resize(ring.Get(out.data(), n));
    return out;
}

// A stream that moves at most `Limit` bytes per call, like a pipe.
class TrickleStream : public TMemoryStream {
public:
    using TMemoryStream::TMemoryStream;
    size_t Limit = 3;
    size_t Read(void* buffer, size_t count) override
    {
        return TMemoryStream::Read(buffer, std::min(count, Limit));
    }
    size_t Write(const void* buffer, size_t count) override
    {
        return TMemoryStream::Write(buffer, std::min(count, Limit));
    }
};

} // namespace

TEST(RingBuffer, KeepsOrderAcrossWrapAround)
{
    TRingBuffer ring(8);
    EXPECT_EQ(ring.Put("abcdef", 6), 6u);
    EXPECT_EQ(Take(ring, 4), "abcd");
    // 2 bytes at the end of the storage, 3 wrapped to its start.
    EXPECT_EQ(ring.Put("ghijk", 5), 5u);
    EXPECT_EQ(ring.Count(), 7u);
    EXPECT_EQ(Take(ring, 100), "efghijk");
    EXPECT_EQ(ring.Count(), 0u);
    EXPECT_EQ(ring.Put("lmnopqrstuv", 11), 8u) << "stores only up to the free space";
    EXPECT_EQ(Take(ring, 3), "lmn");
    EXPECT_EQ(ring.Put("wxyz", 4), 3u);
    EXPECT_EQ(Take(ring, 8), "opqrswxy");
}

TEST(RingBuffer, FullEmptyAndZeroRequestsMoveNothing)
{
    TRingBuffer ring(4);
    char c;
    EXPECT_EQ(ring.Get(&c, 1), 0u);
    EXPECT_EQ(ring.Put("x", 0), 0u);
    EXPECT_EQ(ring.Put("abcd", 4), 4u);
    EXPECT_EQ(ring.Put("e", 1), 0u);
    EXPECT_EQ(ring.Get(&c, 0), 0u);
    TMemoryStream stream;
    EXPECT_EQ(ring.Fill(stream, 10), 0u);
    EXPECT_EQ(ring.Drain(stream, 0), 0u);
}

TEST(RingBuffer, ResizingIsRefusedWhileItHoldsData)
{
    TRingBuffer ring(4);
    ring.Put("ab", 2);
    try {
        ring.SetSize(16);
        FAIL() << "resized a buffer with data";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "TRingBuffer: buffer may not be resized while still containing "
                               "data. Call Reset to clear the buffer.");
    }
    EXPECT_EQ(ring.Size(), 4u);
    ring.Reset();
    ring.SetSize(16);
    EXPECT_EQ(ring.Size(), 16u);
    EXPECT_EQ(ring.Put("0123456789abcdef", 16), 16u);
}

TEST(RingBuffer, FillsAndDrainsAgainstStreamsInPieces)
{
    TrickleStream source(std::string("0123456789"));
    TRingBuffer ring(8);
    ring.Put("zz", 2);
    EXPECT_EQ(Take(ring, 1), "z");
    EXPECT_EQ(ring.Fill(source, 100), 7u) << "fills the free space in 3-byte pieces";
    TrickleStream destination;
    EXPECT_EQ(ring.Drain(destination, 5), 5u);
    EXPECT_EQ(destination.Bytes(), "z0123");
    EXPECT_EQ(ring.Fill(source, 100), 3u) << "source exhausted after 789";
    EXPECT_EQ(ring.Drain(destination, 100), 6u);
    EXPECT_EQ(destination.Bytes(), "z0123456789");
}
