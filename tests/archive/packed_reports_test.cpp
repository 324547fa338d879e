// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>

#include <archive.h>
#include <gtest/gtest.h>

#include "archive/archive_support.h"
#include "archive/archive_writing.h"
#include "bench/crgen/cr_generator.h"
#include "core/path_text.h"
#include "core/progress.h"
#include "files/add_reports.h"
#include "files/report_file.h"
#include "files/report_turns.h"
#include "model/region.h"
#include "report/progress_panel.h"
#include "report/report_building.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_shifts.h"
#include "support/temp_dir.h"

using namespace maprune;
using namespace maprune::test;

namespace {

// bzip2 of 72 MiB of line ends: the stream holds no size, so only counting
// the bytes as they come stops it. Written here, since compressing them
// takes seconds.
const char kBzip2Bomb[]
    = "\x42\x5a\x68\x39\x31\x41\x59\x26\x53\x59\x2b\x71\xbb\x71\x01\x5f\x8e\x40\x00\x80"
      "\x10\x00\x08\x20\x00\x30\x80\x4d\x46\x42\xa0\x25\xa9\x0a\x80\x97\x31\x41\x59\x26"
      "\x53\x59\xc0\x70\x9d\xd7\x00\xe2\xb3\xc0\x40\x80\x10\x40\x00\x00\x08\x20\x00\x30"
      "\xcc\x05\x29\xa6\xa8\xa4\x85\x6c\x09\x49\x0a\xf1\x77\x24\x53\x85\x09\x09\x69\x3e"
      "\xb3\x50";

// A report of one party and one region, of `turn` at x = `x`.
std::string SmallReport(int turn, int x)
{
    const std::string t = std::to_string(turn);
    return "VERSION 36\n" + t + ";Runde\nPARTEI 1\n" + t + ";Runde\n\"Menschen\";Typus\nREGION "
        + std::to_string(x) + " 0\n\"Ebene\";Terrain\n\"Feld\";Name\n";
}

struct PackedReportsTest : ::testing::Test {
    ArchiveSupport Archives;
    TestTerrains Terrains;
    TempDir Folder;
    ScriptedDialogs Messages;
    ScriptedShifts Chooser;
    NullProgressPanel Panel;
    NullProgress Reading;
    AddReportsContext Context { Messages, Chooser, Panel, Reading, AdaptationOptions {}, {} };
    std::unique_ptr<TReport> Database = NewReport(10);

    void SetUp() override { AddRegion(*Database, 0, 0, 0, "Ebene", "Alpha"); }
};

TEST_F(PackedReportsTest, OpensZipsAndEveryCompression)
{
    const std::string report = SmallReport(12, 1);
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> write;
    } cases[] = {
        { "zug.zip",
            [&](auto& f) {
                WriteZip(f, { { "zug.cr", report } });
            } },
        { "zug.cr.gz",
            [&](auto& f) {
                WriteCompressed(f, ARCHIVE_FILTER_GZIP, { "", report });
            } },
        { "zug.CR.BZ2",
            [&](auto& f) {
                WriteCompressed(f, ARCHIVE_FILTER_BZIP2, { "", report });
            } },
        { "zug.cr.xz",
            [&](auto& f) {
                WriteCompressed(f, ARCHIVE_FILTER_XZ, { "", report });
            } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path file = Folder / c.name;
        c.write(file);
        EXPECT_EQ(OpenReportFile(file, Messages, Reading)->Turn, 12);
        EXPECT_EQ(FileTurn(file), 12);
    }
    EXPECT_TRUE(Messages.shown.empty());
}

TEST_F(PackedReportsTest, AddsTheReportsOfAZipInItsOrderAndNamesTheOthers)
{
    const std::filesystem::path zip = Folder / "post.zip";
    WriteZip(zip,
        { { "zug12.cr", SmallReport(12, 1) }, { "befehle.txt", "ERESSEA 1\n" },
            { "zug11.cr", SmallReport(11, 2) } });
    const AddReportsResult result = AddReportFiles(Database.get(), { zip }, Context);
    ASSERT_EQ(result.Files.size(), 2u);
    EXPECT_EQ(result.Files[0].Name(), PathText(zip) + ": zug12.cr");
    EXPECT_EQ(result.Files[1].Member, "zug11.cr");
    for (const AddedFile& file : result.Files)
        EXPECT_EQ(file.Result, AddedFile::Outcome::Merged) << file.Reason;
    EXPECT_NE(DescribeOutcome(result.Files[0]).find("nicht gelesen (kein Report): befehle.txt"),
        std::string::npos);
    EXPECT_EQ(Database->Regions->Count(), 3u);
}

TEST_F(PackedReportsTest, RefusesBombsAndDamagedArchivesLeavingTheDatabase)
{
    const std::string big = crgen::GenerateReport({});
    const std::string megabyte(size_t { 1 } << 20, '\n');
    // Cuts the file to half its size, or spoils bytes in its middle.
    const auto cut = [](const std::filesystem::path& f) {
        std::filesystem::resize_file(f, std::filesystem::file_size(f) / 2);
    };
    const auto spoil = [](const std::filesystem::path& f) {
        std::string bytes = ReadWholeFile(f);
        for (size_t i = bytes.size() / 2; i < bytes.size() / 2 + 64; ++i)
            bytes[i] = static_cast<char>(~bytes[i]);
        WriteWholeFile(f, bytes);
    };
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> write;
        std::string reason; // a part of the failure's reason
    } cases[] = {
        { "bombe.zip",
            [&](auto& f) {
                WriteZip(f, { { "zug12.cr", SmallReport(12, 1) }, { "bombe.cr", megabyte, 80 } });
            },
            "bombe.zip: bombe.cr konnte nicht gelesen werden (ihr Inhalt bräuchte mehr als" },
        { "bombe.cr.bz2",
            [&](auto& f) { WriteWholeFile(f, std::string(kBzip2Bomb, sizeof kBzip2Bomb - 1)); },
            "bombe.cr.bz2: bombe.cr konnte nicht gelesen werden (ihr Inhalt bräuchte mehr als" },
        { "kurz.cr.gz",
            [&](auto& f) {
                WriteCompressed(f, ARCHIVE_FILTER_GZIP, { "", big });
                cut(f);
            },
            "kurz.cr.gz konnte nicht gelesen werden (beschädigt oder unvollständig" },
        { "kurz.zip",
            [&](auto& f) {
                WriteZip(f, { { "zug.cr", big } });
                cut(f);
            },
            "kurz.zip konnte nicht gelesen werden (beschädigt oder unvollständig" },
        { "kaputt.zip",
            [&](auto& f) {
                WriteZip(f, { { "zug.cr", big } });
                spoil(f);
            },
            "kaputt.zip: zug.cr konnte nicht gelesen werden (beschädigt oder unvollständig" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::filesystem::path file = Folder / c.name;
        c.write(file);
        const AddReportsResult result = AddReportFiles(Database.get(), { file }, Context);
        ASSERT_EQ(result.Files.size(), 1u);
        EXPECT_EQ(result.Files[0].Result, AddedFile::Outcome::Failed);
        EXPECT_NE(result.FailureMessage().find(c.reason), std::string::npos)
            << result.FailureMessage();
        EXPECT_FALSE(result.Changed());
        EXPECT_EQ(Database->Turn, 10);
        EXPECT_EQ(Database->Regions->Count(), 1u);
    }
}

} // namespace
