// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "bench/crgen/cr_generator.h"
#include "core/dialogs.h"
#include "core/progress.h"
#include "model/game_data.h"
#include "model/json_form.h"
#include "model/report.h"
#include "model_fixture.h"
#include "report/cr_reader.h"
#include "storage/kdf_file.h"
#include "storage/object_reader.h"
#include "support/temp_dir.h"

using namespace maprune;

namespace {

// Uses the game data that the build delivers, so that the regions' storage
// tests and completion see the real terrains.
class CrRoundTrip : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetGameData(std::make_unique<GameData>(
            std::filesystem::path(MAPRUNE_BIN_DIR) / "maprune.dat", &FDialogs));
    }
    void TearDown() override { SetGameData(nullptr); }

    SilentDialogs FDialogs;
};

// The first line in which two JSON dumps differ, with its number, or empty.
std::string FirstDifference(const std::string& a, const std::string& b)
{
    std::istringstream left(a);
    std::istringstream right(b);
    std::string l;
    std::string r;
    for (int line = 1;; ++line) {
        const bool moreLeft = static_cast<bool>(std::getline(left, l));
        const bool moreRight = static_cast<bool>(std::getline(right, r));
        if (!moreLeft && !moreRight)
            return {};
        if (moreLeft != moreRight || l != r)
            return "line " + std::to_string(line) + ": " + l + " | " + r;
    }
}

} // namespace

TEST_F(CrRoundTrip, ReportsReadBackFromKdfFilesAsTheyWereRead)
{
    TempDir dir;
    NullProgress progress;
    for (const int format : { crgen::kOlderFormat, crgen::kTodayFormat }) {
        for (const bool utf8 : { false, true }) {
            for (const int turn : { 1, 3 }) {
                crgen::GeneratorOptions options;
                options.Seed = 11;
                options.Regions = 400;
                options.Turn = turn;
                options.ViewParty = turn == 3 ? 1 : 0;
                options.Utf8 = utf8;
                options.Format = format;
                std::unique_ptr<TReport> read
                    = ReadCR(crgen::GenerateReport(options), FDialogs, progress, nullptr);
                const std::string fromCr = ToJson(*read);

                SaveKdfFile(*read, dir / "report.kdf", KdfWriteOptions { turn == 1 }, progress);
                std::unique_ptr<TReport> loaded = LoadKdfFile(dir / "report.kdf", progress);
                EXPECT_EQ(FirstDifference(fromCr, ToJson(*loaded)), "")
                    << "format " << format << ", utf8 " << utf8 << ", turn " << turn;
                // The bound on objects per byte that loading enforces leaves
                // real databases a wide margin.
                const size_t content = RecordOf(*read).size();
                EXPECT_GE(content, 2 * kMinBytesPerObject * static_cast<size_t>(read->RefCount()));
            }
        }
    }
}

TEST_F(CrRoundTrip, EveryReportFileAndOlderDatabaseReadsBackFromKdfAsRead)
{
    const std::filesystem::path root = std::filesystem::path(MAPRUNE_SOURCE_DIR).parent_path();
    TempDir dir;
    NullProgress progress;
    const auto expectSameAfterSaving = [&](const TReport& report, const std::string& name) {
        SaveKdfFile(report, dir / "copy.kdf", KdfWriteOptions {}, progress);
        EXPECT_EQ(
            FirstDifference(ToJson(report), ToJson(*LoadKdfFile(dir / "copy.kdf", progress))), "")
            << name;
    };
    int reports = 0;
    for (const char* folder : { "tests/data", "data/samples", "fuzz/corpus" }) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
            if (entry.path().extension() != ".cr")
                continue;
            std::unique_ptr<TReport> read;
            try {
                read = ReadCRFile(entry.path(), FDialogs, progress, nullptr);
            } catch (const Abort&) {
                continue; // a corpus file that is meant to fail
            }
            expectSameAfterSaving(*read, entry.path().string());
            ++reports;
        }
    }
    EXPECT_GE(reports, 15);

    // A database of version 57 loads and keeps what it held.
    const std::unique_ptr<TReport> older
        = LoadKdfFile(root / "fuzz/corpus/kdf_reader/small.kdf", progress);
    EXPECT_EQ(older->FileVersion, 57);
    expectSameAfterSaving(*older, "small.kdf");
}
