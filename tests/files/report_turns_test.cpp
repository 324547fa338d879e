// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "bench/crgen/cr_generator.h"
#include "files/report_turns.h"
#include "support/temp_dir.h"

using namespace maprune;

namespace {

std::string Turn(int turn)
{
    crgen::GeneratorOptions options;
    options.Regions = 20;
    options.Turn = turn;
    return crgen::GenerateReport(options);
}

TEST(ReportTurns, FolderReportsComeInTurnOrderAndOnlyNewerOnesAfterATurn)
{
    TempDir folder;
    // Names against the turns, and what is no report beside them.
    WriteWholeFile(folder / "a.cr", Turn(3));
    WriteWholeFile(folder / "b.CR", Turn(1));
    WriteWholeFile(folder / "c.cr", Turn(2));
    WriteWholeFile(folder / "befehle.txt", "ERESSEA 1\n");
    WriteWholeFile(folder / "kaputt.cr", "kein Report");
    std::filesystem::create_directory(folder / "alt.cr");
    const int first = crgen::kFirstGameTurn;

    std::vector<std::filesystem::path> files;
    std::vector<std::optional<int32_t>> turns;
    for (const TurnFile& f : FolderReports(folder.Path())) {
        files.push_back(f.File.filename());
        turns.push_back(f.Turn);
    }
    EXPECT_EQ(files, (std::vector<std::filesystem::path> { "b.CR", "c.cr", "a.cr", "kaputt.cr" }));
    EXPECT_EQ(turns, (std::vector<std::optional<int32_t>> { first, first + 1, first + 2, {} }));

    const std::vector<TurnFile> newer = ReportsAfterTurn(folder.Path(), first);
    ASSERT_EQ(newer.size(), 2u);
    EXPECT_EQ(newer[0].File.filename(), "c.cr");
    EXPECT_EQ(newer[1].File.filename(), "a.cr");
    EXPECT_TRUE(ReportsAfterTurn(folder.Path(), first + 2).empty());
}

} // namespace
