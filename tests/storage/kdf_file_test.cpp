// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/byte_sink.h"
#include "core/progress.h"
#include "model_fixture.h"
#include "storage/damaged_file.h"
#include "storage/kdf_file.h"
#include "storage/kdf_writer.h"
#include "storage/memory_stream.h"
#include "storage/object_writer.h"
#include "storage/read_stream.h"
#include "storage/zlib_streams.h"
#include "support/failing_sink.h"
#include "support/temp_dir.h"

using namespace maprune;
using namespace std::string_literals;

namespace {

std::string Inflate(const std::string& compressed)
{
    TMemoryStream source(compressed);
    TDecompressionStream inflater(source);
    std::string content;
    char piece[4096];
    while (size_t n = inflater.Read(piece, sizeof piece))
        content.append(piece, n);
    return content;
}

void WriteContent(const std::filesystem::path& path, const std::string& content)
{
    TKDF_Writer writer(path, KdfWriteOptions{});
    writer.WriteBuffer(content.data(), content.size());
    writer.Close();
}

// Counts the positions shown and fails on demand, like a user who cancels
// or a program that dies part-way.
class CountingProgress : public Progress {
public:
    int Range = 0;
    int Position = -1;
    int Events = 0;
    int FailAt = -1;
    void SetRange(int maximum) override { Range = maximum; }
    void SetPosition(int position) override { Position = position; }
    void ProcessEvents() override
    {
        if (++Events == FailAt)
            throw Error("abgebrochen");
    }
};

std::string LoadFailure(const std::filesystem::path& path)
{
    NullProgress progress;
    try {
        LoadKdfFile(path, progress);
    } catch (const Error& e) {
        return e.what();
    }
    return "loaded";
}

} // namespace

TEST(KdfFile, LayoutIsOneZlibStreamOfTheReportRecord)
{
    TestTerrains terrains;
    TempDir dir;
    auto report = SampleReport();
    NullProgress progress;
    SaveKdfFile(*report, dir / "fast.kdf", KdfWriteOptions{true}, progress);
    SaveKdfFile(*report, dir / "best.kdf", KdfWriteOptions{false}, progress);
    const std::string fast = ReadWholeFile(dir / "fast.kdf");
    EXPECT_EQ(fast.substr(0, 2), "\x78\x01"s);
    EXPECT_EQ(ReadWholeFile(dir / "best.kdf").substr(0, 2), "\x78\xDA"s);

    const std::string content = Inflate(fast);
    ASSERT_GT(content.size(), 16u);
    EXPECT_EQ(content.substr(0, 8), "\x07TReport");
    ByteReader length(std::string_view(content).substr(8, 4));
    EXPECT_EQ(static_cast<size_t>(length.ReadI32()), content.size() - 12);
    EXPECT_EQ(content.substr(12, 4), "\x3B\0\0\0"s);
    EXPECT_EQ(content, RecordOf(*report));

    for (const char* name : {"fast.kdf", "best.kdf"}) {
        auto loaded = LoadKdfFile(dir / name, progress);
        ExpectSameStoredContent(*report, *loaded);
    }
}

TEST(KdfFile, FirstClassNameIsComparedIgnoringCase)
{
    TestTerrains terrains;
    TempDir dir;
    auto report = SampleReport();
    std::string content = RecordOf(*report);
    content.replace(1, 7, "treport");
    WriteContent(dir / "lower.kdf", content);
    NullProgress progress;
    auto loaded = LoadKdfFile(dir / "lower.kdf", progress);
    EXPECT_EQ(loaded->Regions->Count(), 3u);

    WriteContent(dir / "region.kdf", RecordOf(*(*report->Regions)[0]));
    EXPECT_EQ(LoadFailure(dir / "region.kdf"), "this is no valid report file");
}

TEST(KdfFile, RefusesForeignDamagedAndTruncatedFilesLeavingTheOpenReport)
{
    TestTerrains terrains;
    TempDir dir;
    NullProgress progress;
    auto open = SampleReport();
    const TReport* before = open.get();
    const auto tryOpen = [&](const std::filesystem::path& path) {
        try {
            open = LoadKdfFile(path, progress);
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return "loaded"s;
    };

    WriteContent(dir / "text.kdf", "Dies ist kein Report, sondern ein gewöhnlicher Text, der mit "
                                   "zlib verpackt wurde und lang genug ist.");
    EXPECT_EQ(tryOpen(dir / "text.kdf"), "this is no valid report file");
    WriteContent(dir / "short.kdf", "\x05Te");
    EXPECT_EQ(tryOpen(dir / "short.kdf"), "this is no valid report file");

    SaveKdfFile(*open, dir / "whole.kdf", KdfWriteOptions{}, progress);
    const std::string whole = ReadWholeFile(dir / "whole.kdf");
    for (size_t cut : {whole.size() - 1, whole.size() - 4, whole.size() / 2}) {
        WriteWholeFile(dir / "cut.kdf", whole.substr(0, cut));
        const std::string failure = tryOpen(dir / "cut.kdf");
        EXPECT_NE(failure.find("Die KDF-Datei ist beschädigt"), std::string::npos)
            << "cut after " << cut << " bytes: " << failure;
    }
    WriteWholeFile(dir / "cut.kdf", whole.substr(0, 60));
    EXPECT_EQ(tryOpen(dir / "cut.kdf"), "this is no valid report file") << "cut before the name";
    WriteWholeFile(dir / "plain.kdf", RecordOf(*open));
    EXPECT_EQ(tryOpen(dir / "plain.kdf").substr(0, 5), "Error") << "not compressed at all";
    WriteContent(dir / "huge.kdf", "\x07TReport\xF0\xFF\xFF\x7F\x39\0\0\0"s);
    EXPECT_NE(tryOpen(dir / "huge.kdf").find("die Datei kann aber höchstens"), std::string::npos)
        << "a length far beyond what the file can hold is refused before reading";
    WriteContent(dir / "more.kdf", RecordOf(*open) + "x");
    EXPECT_NE(tryOpen(dir / "more.kdf").find("gehen über den Report hinaus"), std::string::npos);
    EXPECT_NE(tryOpen(dir / "missing.kdf").find("Cannot open file"), std::string::npos);

    EXPECT_EQ(open.get(), before);
    EXPECT_EQ(open->Regions->Count(), 3u);
    EXPECT_EQ(tryOpen(dir / "whole.kdf"), "loaded");
}

TEST(KdfFile, AFailedSaveLeavesTheFormerFileIntact)
{
    TestTerrains terrains;
    TempDir dir;
    auto report = SampleReport();
    const auto target = dir / "db.kdf";
    WriteWholeFile(target, "former content");

    // Fails once the report went into the writer, before the writer is closed.
    CountingProgress failing;
    failing.FailAt = 1;
    EXPECT_THROW(SaveKdfFile(*report, target, KdfWriteOptions{}, failing), Error);
    EXPECT_EQ(ReadWholeFile(target), "former content");

    std::filesystem::create_directory(dir / "folder.kdf");
    WriteWholeFile(dir / "folder.kdf" / "inside", "x");
    NullProgress progress;
    EXPECT_THROW(SaveKdfFile(*report, dir / "folder.kdf", KdfWriteOptions{}, progress), Error)
        << "a folder cannot be replaced by a file";
    EXPECT_EQ(ReadWholeFile(dir / "folder.kdf" / "inside"), "x");

    EXPECT_THROW(SaveKdfFile(*report, dir / "missing" / "db.kdf", KdfWriteOptions{}, progress),
                 StreamError);

    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 2u) << "no temporary file left behind";

    SaveKdfFile(*report, target, KdfWriteOptions{}, progress);
    EXPECT_EQ(ReadWholeFile(target).substr(0, 2), "\x78\x01"s);
}

TEST(KdfFile, SavingAndLoadingDriveTheProgress)
{
    TestTerrains terrains;
    TempDir dir;
    auto report = SampleReport();
    CountingProgress saving;
    SaveKdfFile(*report, dir / "a.kdf", KdfWriteOptions{}, saving);
    EXPECT_EQ(saving.Range, 1000);
    EXPECT_EQ(saving.Position, 1000);
    CountingProgress loading;
    LoadKdfFile(dir / "a.kdf", loading);
    EXPECT_EQ(loading.Range, 1000);
    EXPECT_GT(loading.Events, 2);
    EXPECT_GE(loading.Position, 500);
}

TEST(KdfFile, AFailingSinkEndsTheSaveWithItsError)
{
    TestTerrains terrains;
    auto report = SampleReport();
    // Enough regions for the database to pass the writer's 64 KiB buffers
    // several times, so that the sink fails in the middle of the report too.
    for (int i = 0; i < 20000; ++i) {
        TRegion& region = AddTo(*report->Regions);
        region.CX = i;
        region.CY = -i;
        region.Terrain = "Ebene";
        region.Name = "Region " + std::to_string(i * 7919 % 10007);
    }
    NullProgress progress;
    test::ExpectSinkFailuresPassedOn(
        [&](ByteSink& sink) { WriteKdfFile(*report, sink, KdfWriteOptions {}, progress); });
}
