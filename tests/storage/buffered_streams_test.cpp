// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "storage/memory_stream.h"
#include "storage/read_stream.h"
#include "storage/write_stream.h"

using namespace maprune;

namespace {

std::string Pattern(size_t n)
{
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

// Delivers at most 1000 bytes per read, like a decompressor.
class PieceSource : public TMemoryStream {
public:
    using TMemoryStream::TMemoryStream;
    size_t Read(void* buffer, size_t count) override
    {
        return TMemoryStream::Read(buffer, std::min<size_t>(count, 1000));
    }
};

// Takes nothing: a full disk.
class RefusingDestination : public TMemoryStream {
public:
    size_t Write(const void*, size_t) override { return 0; }
};

template <class F>
void ExpectInvalidOperation(F f)
{
    try {
        f();
        FAIL() << "no exception";
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
}

} // namespace

TEST(ReadStream, ServesReadsLongerThanTheRingAcrossRefills)
{
    const std::string data = Pattern(200000);
    PieceSource source(data);
    TReadStream stream(source);
    std::string got(150000, '\0');
    ASSERT_EQ(stream.Read(got.data(), 3), 3u);
    ASSERT_EQ(stream.Read(got.data() + 3, got.size() - 3), got.size() - 3);
    std::string rest(100000, '\0');
    rest.resize(stream.Read(rest.data(), rest.size()));
    EXPECT_EQ(rest.size(), 50000u) << "a short read at the end of the source";
    EXPECT_EQ(got + rest, data);
    EXPECT_EQ(stream.Read(rest.data(), 10), 0u);
}

TEST(WriteStream, PassesSmallAndLargeWritesOnInOrder)
{
    const std::string data = Pattern(300000);
    TMemoryStream destination;
    TWriteStream stream(destination);
    for (size_t i = 0; i < 1000; ++i)
        ASSERT_EQ(stream.Write(data.data() + i * 4, 4), 4u);
    ASSERT_EQ(stream.Write(data.data() + 4000, data.size() - 4000), data.size() - 4000);
    EXPECT_LT(destination.Bytes().size(), data.size()) << "the last piece waits in the ring";
    stream.Flush();
    EXPECT_EQ(destination.Bytes(), data);
}

TEST(WriteStream, FlushIntoADestinationThatTakesNothingFails)
{
    RefusingDestination destination;
    TWriteStream stream(destination, 16);
    EXPECT_EQ(stream.Write("0123456789", 10), 10u);
    EXPECT_EQ(stream.Write("0123456789", 10), 6u) << "the ring cannot be drained";
    EXPECT_THROW(stream.WriteBuffer("x", 1), StreamWriteError);
    EXPECT_THROW(stream.Flush(), StreamWriteError);
}

TEST(BufferedStreams, AreForwardOnlyAndOneWay)
{
    TMemoryStream inner(std::string("abc"));
    TReadStream reader(inner);
    TWriteStream writer(inner);
    char c;

    EXPECT_EQ(reader.Seek(0, SeekOrigin::Current), 0);
    EXPECT_EQ(writer.Position(), 0);
    EXPECT_THROW(reader.Write("x", 1), StreamWriteError);
    EXPECT_THROW(writer.Read(&c, 1), StreamReadError);
    ExpectInvalidOperation([&] { reader.Write("x", 1); });
    ExpectInvalidOperation([&] { writer.Read(&c, 1); });
    ExpectInvalidOperation([&] { reader.Seek(1, SeekOrigin::Current); });
    ExpectInvalidOperation([&] { reader.Seek(0, SeekOrigin::Beginning); });
    ExpectInvalidOperation([&] { writer.Seek(0, SeekOrigin::End); });
    ExpectInvalidOperation([&] { writer.Seek(-1, SeekOrigin::Current); });
}
