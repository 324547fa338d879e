// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/byte_sink.h"
#include "core/error.h"
#include "map/alliance_file.h"
#include "support/failing_sink.h"
#include "support/temp_dir.h"

using namespace maprune;

namespace {

const AllianceList kTwoAlliances = {
    { "A", { { "p1", 1 }, { "p2", 2 } } },
    { "B", { { "p3", 3 } } },
};

// The message of the Error that parsing `bytes` throws, or "" when none.
std::string ParseError(std::string_view bytes)
{
    try {
        ParseAllianceFile(bytes);
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

size_t FilesIn(const std::filesystem::path& folder)
{
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

TEST(AllianceFileTest, AlliancesAreSeparatedByOneEmptyLineWithNoneAfterTheLast)
{
    EXPECT_EQ(FormatAllianceFile(kTwoAlliances), "A\r\np1 (1)\r\np2 (2)\r\n\r\nB\r\np3 (3)\r\n");
    EXPECT_EQ(FormatAllianceFile({}), "");
    // The 8-bit character set of the program's text files.
    EXPECT_EQ(FormatAllianceFile({ { "Südmark", { { "Ödland", 2 } } } }),
        "S\xfc"
        "dmark\r\n\xd6"
        "dland (2)\r\n");
}

TEST(AllianceFileTest, WhatIsWrittenReadsBackUnchanged)
{
    const AllianceList alliances = {
        { "Nordbund", { { "Die (alten) Zwerge", 42 }, { "Graue  ", -1 }, { "", 7 } } },
        { "Leer", {} },
        { "Südmark", { { "Ödland Söhne", 2147483647 } } },
        { "Zuletzt leer", {} },
    };
    // A first name whose 8-bit bytes open like a byte order mark ("ï»¿Öst").
    const AllianceList markLike = { { "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\x96st", { { "p1", 1 } } } };
    EXPECT_EQ(ParseAllianceFile(FormatAllianceFile(markLike)), markLike);
    TempDir dir;
    const std::filesystem::path file = dir / "maprune.bnd";
    WriteAllianceFile(file, alliances);
    EXPECT_EQ(ReadAllianceFile(file), alliances);
    EXPECT_EQ(ParseAllianceFile(FormatAllianceFile(kTwoAlliances)), kTwoAlliances);
}

TEST(AllianceFileTest, LineEndsOfOtherEditorsAndExtraEmptyLinesAddNoAlliance)
{
    // LF only, with the empty line at the end that many editors leave.
    EXPECT_EQ(ParseAllianceFile("A\np1 (1)\np2 (2)\n\nB\np3 (3)\n\n"), kTwoAlliances);
    // CR only, without a line end after the last line.
    EXPECT_EQ(ParseAllianceFile("A\rp1 (1)\rp2 (2)\r\rB\rp3 (3)"), kTwoAlliances);
    // A byte order mark, several empty lines between and after alliances.
    EXPECT_EQ(ParseAllianceFile(
                  "\xEF\xBB\xBF\r\nA\r\np1 (1)\r\np2 (2)\r\n\r\n\r\nB\r\np3 (3)\r\n\r\n\r\n"),
        kTwoAlliances);
    EXPECT_TRUE(ParseAllianceFile("").empty());
    EXPECT_TRUE(ParseAllianceFile("\r\n\n\r").empty());
}

TEST(AllianceFileTest, TextThatIsNotUtf8IsReadAsWindows1252)
{
    const AllianceList alliances = ParseAllianceFile("S\xFC"
                                                     "dbund\r\nK\xF6nige (4)\r\n");
    ASSERT_EQ(alliances.size(), 1u);
    EXPECT_EQ(alliances[0].Name, "Südbund");
    EXPECT_EQ(alliances[0].Members, (std::vector<AllianceMember> { { "Könige", 4 } }));
}

TEST(AllianceFileTest, MemberWithoutAReadableNumberIsAnErrorNamingItsLine)
{
    EXPECT_EQ(ParseError("A\r\np1 (1)\r\nOhne Nummer\r\n"),
        "Bündnisdatei, Zeile 3: \"Ohne Nummer\" ist kein Bündnismitglied \"Name (Nummer)\"");
    EXPECT_EQ(ParseError("A\r\np1 (1\r\n"),
        "Bündnisdatei, Zeile 2: \"p1 (1\" ist kein Bündnismitglied \"Name (Nummer)\"");
    for (const char* bad :
        { "p (x1)", "p ()", "p (1x)", "p (0x1A)", "p (+1)", "p (1 2)", "p (-)" }) {
        EXPECT_EQ(ParseError("\n\nA\n" + std::string(bad)),
            "Bündnisdatei, Zeile 4: \"" + std::string(bad)
                + "\" enthält keine Parteinummer in Klammern")
            << bad;
    }
    EXPECT_EQ(ParseError("A\np (2147483648)\n"),
        "Bündnisdatei, Zeile 2: \"p (2147483648)\" enthält eine zu große Parteinummer");
    EXPECT_LT(ParseError("A\np (" + std::string(5000, '9') + ")\n").size(), 200u)
        << "a huge line is quoted only in part";
    // Blanks inside the parentheses are no harm.
    EXPECT_EQ(ParseAllianceMemberEntry("p ( 12 )", 1), (AllianceMember { "p", 12 }));
}

TEST(AllianceFileTest, FileTooLargeOrMissingIsRefusedUnread)
{
    TempDir dir;
    const std::filesystem::path file = dir / "huge.bnd";
    WriteWholeFile(file, "A\r\n");
    std::filesystem::resize_file(file, kMaxAllianceFileBytes + 1);
    EXPECT_THROW(ReadAllianceFile(file), Error);
    EXPECT_THROW(ReadAllianceFile(dir / "missing.bnd"), Error);
}

TEST(AllianceFileTest, FailedWriteLeavesTheFormerFileAndNoTemporaryFile)
{
    TempDir dir;
    const std::filesystem::path file = dir / "maprune.bnd";
    WriteAllianceFile(file, kTwoAlliances);
    const std::string former = ReadWholeFile(file);

    // An alliance without a name would read back as a gap between alliances.
    EXPECT_THROW(WriteAllianceFile(file, { { "", { { "p9", 9 } } } }), Error);
    EXPECT_EQ(ReadWholeFile(file), former);

    // A target that cannot be replaced: the rename fails after the write.
    const std::filesystem::path blocked = dir / "blocked.bnd";
    std::filesystem::create_directory(blocked);
    WriteWholeFile(blocked / "keep", "kept");
    EXPECT_THROW(WriteAllianceFile(blocked, kTwoAlliances), Error);
    EXPECT_EQ(ReadWholeFile(blocked / "keep"), "kept");
    EXPECT_EQ(FilesIn(dir.Path()), 2u);
}

TEST(AllianceFileTest, LineBreaksInsideNamesAreWrittenAsBlanks)
{
    const AllianceList written = { { "Erst\r\nZweit", { { "Eins\nZwei", 5 } } } };
    const AllianceList expected = { { "Erst  Zweit", { { "Eins Zwei", 5 } } } };
    EXPECT_EQ(ParseAllianceFile(FormatAllianceFile(written)), expected);
}

TEST(AllianceFileTest, AFailingSinkEndsTheWriteWithItsError)
{
    test::ExpectSinkFailuresPassedOn(
        [](ByteSink& sink) { WriteAllianceFile(sink, kTwoAlliances); });
}
