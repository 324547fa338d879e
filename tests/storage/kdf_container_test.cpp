// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "storage/kdf_reader.h"
#include "storage/kdf_writer.h"
#include "storage/memory_stream.h"
#include "storage/zlib_streams.h"
#include "support/temp_dir.h"

using namespace maprune;

namespace {

std::string Text(size_t n)
{
    std::string text;
    while (text.size() < n)
        text += "Region " + std::to_string(text.size() % 977) + " Bauern Silber Pferde\r\n";
    text.resize(n);
    return text;
}

void WriteKdf(const std::filesystem::path& path, const std::string& content, bool fast)
{
    TKDF_Writer writer(path, KdfWriteOptions{fast});
    writer.WriteBuffer(content.data(), 5);
    writer.WriteBuffer(content.data() + 5, content.size() - 5);
    writer.Close();
}

std::string ReadKdf(const std::filesystem::path& path)
{
    TKDF_Reader reader(path);
    std::string content;
    char piece[1000];
    while (size_t n = reader.Read(piece, sizeof piece))
        content.append(piece, n);
    return content;
}

} // namespace

TEST(KdfContainer, FastKdfChoosesTheZlibLevelAndBothRead)
{
    TempDir dir;
    const std::string content = Text(300000);
    WriteKdf(dir / "fast.kdf", content, true);
    WriteKdf(dir / "best.kdf", content, false);
    const std::string fast = ReadWholeFile(dir / "fast.kdf");
    const std::string best = ReadWholeFile(dir / "best.kdf");
    EXPECT_EQ(fast.substr(0, 2), std::string("\x78\x01"));
    EXPECT_EQ(best.substr(0, 2), std::string("\x78\xDA"));
    EXPECT_LT(best.size(), fast.size());
    EXPECT_EQ(ReadKdf(dir / "fast.kdf"), content);
    EXPECT_EQ(ReadKdf(dir / "best.kdf"), content);
}

TEST(KdfContainer, ReaderAndWriterAreForwardOnlyAndOneWay)
{
    TempDir dir;
    TKDF_Writer writer(dir / "a.kdf", KdfWriteOptions{});
    char c;
    EXPECT_EQ(writer.Position(), 0);
    EXPECT_THROW(writer.Read(&c, 1), StreamReadError);
    EXPECT_THROW(writer.Seek(4, SeekOrigin::Beginning), StreamError);
    writer.WriteBuffer("abc", 3);
    writer.Close();
    EXPECT_THROW(writer.Write("d", 1), StreamWriteError) << "written after Close";

    TKDF_Reader reader(dir / "a.kdf");
    EXPECT_EQ(reader.Position(), 0);
    EXPECT_THROW(reader.Write("x", 1), StreamWriteError);
    try {
        reader.Seek(0, SeekOrigin::End);
        FAIL() << "positioned a reader";
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
    reader.ReadBuffer(&c, 1);
    EXPECT_EQ(c, 'a');
}

TEST(KdfContainer, TellsACompleteStreamFromATruncatedOne)
{
    TempDir dir;
    const std::string content = Text(1000);
    WriteKdf(dir / "whole.kdf", content, true);
    std::string file = ReadWholeFile(dir / "whole.kdf");
    WriteWholeFile(dir / "cut.kdf", file.substr(0, file.size() - 2));

    TKDF_Reader whole(dir / "whole.kdf");
    std::string got(content.size(), '\0');
    whole.ReadBuffer(got.data(), got.size());
    EXPECT_TRUE(whole.AtCompleteEnd());

    TKDF_Reader cut(dir / "cut.kdf");
    cut.ReadBuffer(got.data(), got.size());
    EXPECT_FALSE(cut.AtCompleteEnd()) << "the checksum is missing";
}

TEST(KdfContainer, DamagedOrMissingFilesFail)
{
    TempDir dir;
    WriteKdf(dir / "a.kdf", Text(5000), true);
    std::string file = ReadWholeFile(dir / "a.kdf");
    file[file.size() / 2] ^= 0x55;
    file[file.size() / 2 + 1] ^= 0x55;
    WriteWholeFile(dir / "a.kdf", file);
    try {
        ReadKdf(dir / "a.kdf");
        FAIL() << "damaged data read";
    } catch (const CompressionError& e) {
        EXPECT_EQ(std::string(e.what()), "Error: die komprimierten Daten sind beschädigt");
    }
    try {
        TKDF_Reader reader(dir / "missing.kdf");
        FAIL() << "opened a missing file";
    } catch (const StreamError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot open file"), std::string::npos);
    }
    EXPECT_THROW(TKDF_Writer(dir.Path() / "no" / "such" / "dir.kdf", KdfWriteOptions{}),
                 StreamError);
}
