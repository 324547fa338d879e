// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include <zlib.h>

#include "storage/compression_stream.h"
#include "storage/memory_stream.h"

using namespace maprune;

namespace {

// Report-like text with an incompressible stretch in the second MiB, so that
// chunks differ in how well they compress.
std::string Content(size_t n)
{
    std::string text;
    uint32_t noise = 12345;
    while (text.size() < n) {
        if (text.size() > (1u << 20) && text.size() < (1u << 20) + 200000) {
            noise = noise * 1103515245u + 12345u;
            text += static_cast<char>(noise >> 24);
        } else {
            text += "Region " + std::to_string(text.size() % 977) + " Bauern Silber Pferde\n";
        }
    }
    text.resize(n);
    return text;
}

void Compress(const std::string& content, int level, TStream& out)
{
    TCompressionStream stream(out, level);
    for (size_t at = 0; at < content.size(); at += 100000)
        stream.WriteBuffer(content.data() + at, std::min<size_t>(100000, content.size() - at));
    stream.Finish();
}

// zlib's one-call inflate, which checks the header and the checksum.
std::string Inflate(const std::string& compressed, size_t size)
{
    std::string content(size + 1, '\0');
    uLongf length = content.size();
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(content.data()), &length,
                  reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()),
        Z_OK);
    content.resize(length);
    return content;
}

// Takes nothing: a full disk.
class RefusingDestination : public TMemoryStream {
public:
    size_t Write(const void*, size_t) override { return 0; }
};

} // namespace

TEST(CompressionStream, ChunksJoinIntoOneZlibStreamNearlyAsSmallAsOneCompressors)
{
    for (int level : { 1, 9 }) {
        for (size_t size : { size_t { 0 }, size_t { 1 }, size_t { 1 } << 20, size_t { 7 } << 19 }) {
            SCOPED_TRACE("level " + std::to_string(level) + ", " + std::to_string(size) + " bytes");
            const std::string content = Content(size);
            TMemoryStream out;
            Compress(content, level, out);
            EXPECT_EQ(Inflate(out.Bytes(), size), content);

            std::string single(compressBound(size), '\0');
            uLongf length = single.size();
            ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(single.data()), &length,
                          reinterpret_cast<const Bytef*>(content.data()), size, level),
                Z_OK);
            EXPECT_EQ(out.Bytes().substr(0, 2), single.substr(0, 2)) << "the same header";
            EXPECT_LE(out.Bytes().size(), length + length / 100 + 16);
        }
    }
}

TEST(CompressionStream, AFailingDestinationEndsTheStreamWithItsError)
{
    const std::string content = Content(size_t { 5 } << 20);
    RefusingDestination refusing;
    EXPECT_THROW(Compress(content, 1, refusing), StreamWriteError);

    TMemoryStream out;
    TCompressionStream stream(out, 1);
    stream.Finish();
    EXPECT_THROW(stream.Write("x", 1), StreamWriteError) << "nothing after the end";
}
