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

TEST(LogFile, LinesAreAppendedAndOlderRunsTrimmedBySize)
{
    TempDir dir;
    const std::filesystem::path log = dir / "maprune.log";
    AppendToLogFile(log, {});
    EXPECT_FALSE(std::filesystem::exists(log)) << "nothing to append, nothing written";

    WriteWholeFile(log, "alt 1\nalt \xE4\r\n\r\n");
    AppendToLogFile(log, { "neu 1", "neu 2" });
    EXPECT_EQ(ReadWholeFile(log), "alt 1\r\nalt \xC3\xA4\r\n\r\nneu 1\r\nneu 2\r\n");
    EXPECT_EQ(ReadLogFileLines(log), (Lines { "alt 1", "alt ä", "", "neu 1", "neu 2" }));

    // A run keeps all its lines; older runs are cut by size, whole lines
    // first to go.
    const std::string line(98, 'x'); // 100 bytes with CR LF
    const size_t older = kMaxOlderLogBytes / 100;
    AppendToLogFile(log, Lines(older + 10, line));
    AppendToLogFile(log, Lines(older * 2, "neu"));
    const Lines kept = ReadLogFileLines(log);
    ASSERT_EQ(kept.size(), older + older * 2);
    EXPECT_EQ(kept.front(), line);
    EXPECT_EQ(kept.back(), "neu");

    EXPECT_TRUE(ReadLogFileLines(dir / "missing.log").empty());
}

TEST(LogFile, AFailingSinkEndsTheWriteWithItsError)
{
    test::ExpectSinkFailuresPassedOn([](ByteSink& sink) {
        WriteLogFile(sink, { "12.05.2026 10:00 eins", "zwei" });
    });
}
