// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include <gtest/gtest.h>

#include "core/string_sink.h"
#include "orders/order_file.h"
#include "report/cr_test_support.h"

namespace maprune::test {
namespace {

using OrderFileTest = CRTest;

// Party 10 (in base 36 "a") with units in three regions, one on layer 2, and
// a region where only another party stands.
constexpr const char* kReport = R"(VERSION 36
200;Runde
PARTEI 10
"Mensch";Typ
"geheim";Passwort
75;Rekrutierungskosten
PARTEI 11
"Elf";Typ
REGION 1 -2
"Oststaett";Name
"Ebene";Terrain
13;Lohn
EINHEIT 40
"Ole";Name
10;Partei
"Untote";Typ
5;Anzahl
30;Silber
COMMANDS
"MACHE TEMP a"
"LERNE Wahrnehmung"
"ende"
"  ARBEITE  "
""
EINHEIT 41
"Fremd";Name
11;Partei
REGION 2 0
"Elfenhain";Name
"Wald";Terrain
EINHEIT 42
11;Partei
REGION 3 4 2
"Tiefe";Name
"Berge";Terrain
11;Lohn
EINHEIT 43
"Eva";Name
10;Partei
"Mensch";Typ
2;Anzahl
100;Silber
COMMANDS
"MACHE TEMP"
"LERNE Hiebwaffen"
"BENENNE EINHEIT A~B BESCHREIBE C~D"
"GIB abc 1 Holz~und~Stein"
REGION 0 0
"Heim";Name
"Ebene";Terrain
EINHEIT 44
10;Partei
"Mensch";Typ
)";

constexpr const char* kExpected = "PARTEI a \"geheim\"\r\n"
                                  "\r\n"
                                  "; KCHECK -s -l -w4 -r75\r\n"
                                  "\r\n"
                                  "REGION 1,-2 ; Oststaett\r\n"
                                  "; KCheck Lohn 13\r\n"
                                  "\r\n"
                                  "EINHEIT 14;\t\tOle [5,80$]\r\n"
                                  "  MACHE TEMP a\r\n"
                                  "    LERNE Wahrnehmung\r\n"
                                  "  ende\r\n"
                                  "  ARBEITE\r\n"
                                  "  \r\n"
                                  "\r\n"
                                  "REGION 3,4,2 ; Tiefe\r\n"
                                  "; KCheck Lohn 11\r\n"
                                  "\r\n"
                                  "EINHEIT 17;\t\tEva [2,100$]\r\n"
                                  "  MACHE TEMP\r\n"
                                  "  LERNE Hiebwaffen\r\n"
                                  "  BENENNE EINHEIT \"A B\" BESCHREIBE \"C D\"\r\n"
                                  "  GIB abc 1 \"Holz und Stein\"\r\n"
                                  "\r\n"
                                  "REGION 0,0 ; Heim\r\n"
                                  "; KCheck Lohn -1\r\n"
                                  "\r\n"
                                  "EINHEIT 18;\t\t [1,0$]\r\n"
                                  "\r\n"
                                  "NAECHSTER\r\n";

TEST_F(OrderFileTest, WholeFileOfTheActiveParty)
{
    auto r = ReadText(kReport);
    ASSERT_NE(r->Report, nullptr);
    ASSERT_EQ(r->Report->ActiveParty, 10);
    ScriptedDialogs dialogs;
    StringSink file;
    WriteTextLines(BuildOrderFile(*r->Report, dialogs), file);
    EXPECT_EQ(file.Bytes(), kExpected);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OrderFileTest, NoActivePartyGivesTheMessageAndNoLines)
{
    auto r = ReadText("VERSION 36\n200;Runde\nREGION 0 0\n\"Ebene\";Terrain\n");
    ScriptedDialogs dialogs;
    EXPECT_TRUE(BuildOrderFile(*r->Report, dialogs).empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(dialogs.shown[0].text, "Fehler: keine Partei aktiviert");
}

// "Wächter" and "Küste" in a Windows-1252 and in a UTF-8 database.
struct EncodedTexts {
    std::string Charset;
    std::string Guard;
    std::string Coast;
};

TEST_F(OrderFileTest, WrittenInTheDatabasesEncoding)
{
    for (const EncodedTexts& t : { EncodedTexts { "", "W\344chter", "K\374ste" },
             EncodedTexts { "\"UTF-8\";charset\n", "W\303\244chter", "K\303\274ste" } }) {
        auto r = ReadText("VERSION 36\n" + t.Charset + "200;Runde\nPARTEI 10\n\"Mensch\";Typ\n"
            + "REGION 0 0\n\"" + t.Coast + "\";Name\n\"Ebene\";Terrain\nEINHEIT 14\n\"" + t.Guard
            + "\";Name\n10;Partei\n1;Anzahl\n\"Mensch\";Typ\nCOMMANDS\n\"NACH " + t.Coast + "\"\n");
        ASSERT_NE(r->Report, nullptr);
        ScriptedDialogs dialogs;
        const TextLines lines = BuildOrderFile(*r->Report, dialogs);
        ASSERT_EQ(lines.size(), 11u);
        EXPECT_EQ(lines[4], "REGION 0,0 ; " + t.Coast);
        EXPECT_EQ(lines[7], "EINHEIT e;\t\t" + t.Guard + " [1,0$]");
        EXPECT_EQ(lines[8], "  NACH " + t.Coast);
    }
}

TEST(QuoteTildeWords, QuotesEveryWordWithATilde)
{
    const std::pair<const char*, const char*> cases[] = {
        { "ARBEITE", "ARBEITE" },
        { "BENENNE EINHEIT Der~alte~Turm", "BENENNE EINHEIT \"Der alte Turm\"" },
        { "A~B x C~D", "\"A B\" x \"C D\"" },
        { "GIB 1  Holz~x", "GIB 1  \"Holz x\"" }, // a double blank is an empty word
        { "~", "\" \"" },
        { "x~ ", "\"x \" " },
        { "", "" },
    };
    for (const auto& [order, expected] : cases)
        EXPECT_EQ(QuoteTildeWords(order), expected) << order;
}

} // namespace
} // namespace maprune::test
