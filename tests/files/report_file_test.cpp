// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/progress.h"
#include "files/report_file.h"
#include "report/cr_reader.h"
#include "storage/kdf_file.h"
#include "storage/model_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace maprune;

TEST(ReportFile, ChoosesTheReaderByTheExtensionIgnoringCase)
{
    TestTerrains terrains;
    TempDir dir;
    test::ScriptedDialogs dialogs;
    NullProgress progress;
    auto report = SampleReport();
    SaveKdfFile(*report, dir / "db.KDF", KdfWriteOptions{}, progress);
    WriteWholeFile(dir / "turn.Cr", "VERSION 36\n5;Runde\nREGION 1 2\n\"Ebene\";Terrain\n");
    WriteWholeFile(dir / "orders.txt", "ERESSEA 1 \"x\"\n");

    EXPECT_EQ(OpenReportFile(dir / "db.KDF", dialogs, progress)->Regions->Count(), 3u);
    std::vector<CRWarning> warnings;
    auto cr = OpenReportFile(dir / "turn.Cr", dialogs, progress, &warnings);
    ASSERT_EQ(cr->Regions->Count(), 1u);
    EXPECT_EQ((*cr->Regions)[0]->CX, 1);
    try {
        OpenReportFile(dir / "orders.txt", dialogs, progress);
        FAIL() << "read an order file as a report";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "unbekanntes Dateiformat");
    }
    EXPECT_THROW(OpenReportFile(dir / "db", dialogs, progress), Error) << "no extension";
    EXPECT_TRUE(dialogs.shown.empty());

    // A CR that cannot be read shows its message and ends silently.
    EXPECT_THROW(OpenReportFile(dir / "missing.cr", dialogs, progress), Abort);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST(ReportFile, ExtensionsAreComparedIgnoringCase)
{
    EXPECT_TRUE(HasExtension("a/b.kdf", ".kdf"));
    EXPECT_TRUE(HasExtension("B.KdF", ".kdf"));
    EXPECT_FALSE(HasExtension("b.kdf.tmp", ".kdf"));
    EXPECT_FALSE(HasExtension("kdf", ".kdf"));
    EXPECT_FALSE(HasExtension("b.kd", ".kdf"));
}
