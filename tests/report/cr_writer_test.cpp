// SPDX-License-Identifier: GPL-3.0-or-later
// Which lines the CR writer writes under which options and conditions.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/string_sink.h"
#include "model/lines.h"
#include "report/cr_test_support.h"
#include "report/cr_writer.h"
#include "support/failing_sink.h"

namespace maprune::test {
namespace {

using CRWriterTest = CRTest;
using Lines = std::vector<std::string>;

constexpr size_t kHeaderLines = 7;

// The lines after the header, without their CR LF.
Lines Written(const TReport& report, const CRExtractOptions& options, bool all = false)
{
    StringSink sink;
    WriteCRExtract(report, options, all, sink);
    const std::string& text = sink.Bytes();
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    const Lines lines = SplitLines(text);
    return Lines(lines.begin() + static_cast<std::ptrdiff_t>(kHeaderLines), lines.end());
}

CRExtractOptions Only(bool names, bool info, bool times = false)
{
    return { names, info, false, false, false, times };
}

TEST_F(CRWriterTest, HeaderAndSelectedRegionsUnderTheOptions)
{
    auto r = ReadText("VERSION 36\n\"Standard\";Konfiguration\n200;Runde\nPARTEI 7\n\"Elf\";Typ\n"
                      "REGION 3 -2\n\"Heim\";Name\n\"Ebene\";Terrain\n1;Auswahl\n"
                      "REGION 4 -2 1\n\"Ebene\";Terrain\n");
    StringSink sink;
    WriteCRExtract(*r->Report, Only(true, false), false, sink);
    EXPECT_EQ(sink.Bytes(),
        "VERSION 37\r\n\"Standard\";Konfiguration\r\n\"Kelvaran\";Spiel\r\n\"Hex\";Koordinaten\r\n"
        "36;Basis\r\n1;Umlaute\r\n200;Runde\r\nREGION 3 "
        "-2\r\n\"Heim\";Name\r\n\"Ebene\";Terrain\r\n");
    EXPECT_EQ(
        Written(*r->Report, Only(false, false)), (Lines { "REGION 3 -2", "\"Ebene\";Terrain" }));
    EXPECT_EQ(Written(*r->Report, Only(false, false), true).back(), "\"Ebene\";Terrain");
    EXPECT_EQ(Written(*r->Report, Only(false, false), true)[2], "REGION 4 -2 1");
}

TEST_F(CRWriterTest, RegionConditions)
{
    // Turn tags 12 and 10 with wages: full information of turn 10, newer of 12.
    auto r = ReadText("VERSION 36\n12;Runde\nPARTEI 7\n\"Elf\";Typ\nREGION 0 "
                      "0\n\"Ebene\";Terrain\n12;Runde\n10;Runde\n"
                      "13;Lohn\n1000;Silber\n400;Bauern\n");
    TRegion& region = FirstRegion(*r);
    ASSERT_EQ(region.FullInfoDate, 10);
    ASSERT_EQ(region.InfoDate, 12);
    struct Case {
        const char* what;
        CRExtractOptions options;
        Lines expected;
    };
    const Case cases[] = {
        { "both turns", Only(false, true, true),
            { "REGION 0 0", "\"Ebene\";Terrain", "10;Runde", "12;Runde", "400;Bauern",
                "1000;Silber", "13;Lohn" } },
        { "no region information: the newer turn is the report's", Only(false, false, true),
            { "REGION 0 0", "\"Ebene\";Terrain" } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Written(*r->Report, c.options, true), c.expected) << c.what;

    // Entertainment and recruits only when they differ from what the reader
    // derives; an unknown one not at all.
    region.Entertainment = 7;
    region.Recrutees = 3;
    Lines lines = Written(*r->Report, Only(false, true), true);
    EXPECT_EQ(
        Lines(lines.begin() + 4, lines.end()), (Lines { "7;Unterh", "3;Rekruten", "13;Lohn" }));
    region.Silver->SetHistory({});
    region.Entertainment = -1;
    lines = Written(*r->Report, Only(false, true), true);
    EXPECT_EQ(lines[3], "3;Rekruten");
}

TEST_F(CRWriterTest, UnitShipAndPartyConditions)
{
    auto r = ReadText("VERSION 36\n200;Runde\nPARTEI 7\n\"Mensch\";Typ\n3;Anzahl Immigranten\n"
                      "REGION 0 0\n\"Ozean\";Terrain\n"
                      "SCHIFF 9\n\"Boot\";Typ\n0;MaxLadung\n"
                      "EINHEIT 1\n7;Partei\n10;Silber\nCOMMANDS\n\"ARBEITE\"\n"
                      "EINHEIT 2\n7;Partei\n10;Silber\n\"LERNE Ausdauer\";Default\n"
                      "GEGENSTAENDE\n2;Schwert\n");
    (*FirstRegion(*r).Units)[1]->Commands->Add("BENENNE EINHEIT \"Der alte Turm\"");
    const CRExtractOptions options { false, false, false, true, true, false };
    const Lines lines = Written(*r->Report, options, true);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3),
        (Lines { "PARTEI 7", "\"Mensch\";Typ", "3;Anzahl Immigranten" }));
    const Lines ship { "SCHIFF 9", "\"Boot\";Typ", "0;MaxLadung" };
    EXPECT_NE(std::search(lines.begin(), lines.end(), ship.begin(), ship.end()), lines.end());
    // Silver as a value only; the default that equals the first order is
    // left to the reader; orders in the "~" form.
    const Lines first { "EINHEIT 1", "7;Partei", "1;Anzahl", "\"\";Typ", "10;Silber", "COMMANDS",
        "\"ARBEITE\"", "EINHEIT 2" };
    EXPECT_NE(std::search(lines.begin(), lines.end(), first.begin(), first.end()), lines.end());
    const Lines second { "\"LERNE Ausdauer\";Default", "COMMANDS",
        "\"BENENNE EINHEIT Der~alte~Turm\"", "GEGENSTAENDE", "2;Schwert" };
    EXPECT_TRUE(std::equal(second.rbegin(), second.rend(), lines.rbegin()));
}

TEST_F(CRWriterTest, SinkFailuresArePassedOn)
{
    auto r = ReadText("VERSION 36\n200;Runde\nPARTEI 7\n\"Mensch\";Typ\nREGION 0 0\n"
                      "\"Ebene\";Terrain\nEINHEIT 1\n7;Partei\n");
    ExpectSinkFailuresPassedOn([&r](ByteSink& sink) {
        WriteCRExtract(*r->Report, CRExtractOptions::Everything(), true, sink);
    });
}

TEST(CROrderText, QuotesGoAndQuotedBlanksBecomeTildes)
{
    EXPECT_EQ(CROrderText("BENENNE EINHEIT \"Der alte Turm\""), "BENENNE EINHEIT Der~alte~Turm");
    EXPECT_EQ(CROrderText("A \"b c\" d \"e f"), "A b~c d e~f");
    EXPECT_EQ(CROrderText("ARBEITE"), "ARBEITE");
}

} // namespace
} // namespace maprune::test
