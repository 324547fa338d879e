// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/byte_sink.h"
#include "core/log_file.h"
#include "support/failing_sink.h"
#include "support/temp_dir.h"

using namespace maprune;

using Lines = std::vector<std::string>;

TEST(LogFile, LinesAreAppendedAndTheNewestKept)
{
    TempDir dir;
    const std::filesystem::path log = dir / "maprune.log";
    AppendToLogFile(log, {});
    EXPECT_FALSE(std::filesystem::exists(log)) << "nothing to append, nothing written";

    WriteWholeFile(log, "alt 1\nalt \xE4\r\n\r\n");
    AppendToLogFile(log, { "neu 1", "neu 2" });
    EXPECT_EQ(ReadWholeFile(log), "alt 1\r\nalt \xC3\xA4\r\n\r\nneu 1\r\nneu 2\r\n");
    EXPECT_EQ(ReadLogFileLines(log), (Lines { "alt 1", "alt ä", "", "neu 1", "neu 2" }));

    AppendToLogFile(log, Lines(kMaxLogFileLines - 1, "voll"));
    const Lines kept = ReadLogFileLines(log);
    ASSERT_EQ(kept.size(), kMaxLogFileLines);
    EXPECT_EQ(kept.front(), "neu 2");
    EXPECT_EQ(kept.back(), "voll");

    EXPECT_TRUE(ReadLogFileLines(dir / "missing.log").empty());
}

TEST(LogFile, AFailingSinkEndsTheWriteWithItsError)
{
    test::ExpectSinkFailuresPassedOn([](ByteSink& sink) {
        WriteLogFile(sink, { "12.05.2026 10:00 eins", "zwei" });
    });
}
