// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/cr_tokenizer.h"

namespace maprune {
namespace {

std::vector<CRToken> Tokens(std::string_view bytes)
{
    CRTokenizer tokenizer(bytes);
    std::vector<CRToken> tokens;
    for (;;) {
        CRToken token;
        tokenizer.Next(token);
        if (token.LineType == CRLineType::EndOfFile)
            return tokens;
        tokens.push_back(token);
    }
}

CRToken Only(std::string_view bytes)
{
    const std::vector<CRToken> tokens = Tokens(bytes);
    EXPECT_EQ(tokens.size(), 1u) << bytes;
    return tokens.empty() ? CRToken{} : tokens.front();
}

TEST(CRTokenizer, ValueLineSplitsAtTheFirstSemicolon)
{
    const CRToken t = Only("5;Runde");
    EXPECT_EQ(t.Value, "5");
    EXPECT_EQ(t.Key, "Runde");
    EXPECT_EQ(t.LineType, CRLineType::Value);
    EXPECT_TRUE(t.Block.empty());
    EXPECT_TRUE(t.Params.empty());

    EXPECT_EQ(Only("a;b;c").Key, "b;c");
    EXPECT_EQ(Only("5;Runde   ").Key, "Runde") << "trailing blanks of the key go";
    EXPECT_EQ(Only(" 5 ;Runde").Value, " 5 ") << "the value keeps its blanks";
}

TEST(CRTokenizer, QuotedValuesMayHoldSemicolons)
{
    const CRToken t = Only("\"Hier; und dort\";Name");
    EXPECT_EQ(t.Value, "Hier; und dort");
    EXPECT_EQ(t.Key, "Name");

    const CRToken whole = Only("\"nur Text; sonst nichts\"");
    EXPECT_EQ(whole.Value, "nur Text; sonst nichts");
    EXPECT_EQ(whole.Key, "");

    EXPECT_EQ(Only("\"\";Beschr").Value, "");
    EXPECT_EQ(Only("plain text").Value, "plain text");
    EXPECT_EQ(Only("\"").Value, "\"") << "a lone quote is kept as it is";
}

TEST(CRTokenizer, QuotedValueContinuesOverSeveralLines)
{
    CRTokenizer tokenizer("\"Text\nmehr\nEnde\";Beschr\n7;Runde");
    CRToken t;
    tokenizer.Next(t);
    EXPECT_EQ(t.Value, "Text\r\nmehr\r\nEnde");
    EXPECT_EQ(t.Key, "Beschr");
    EXPECT_EQ(t.LineType, CRLineType::Value);
    EXPECT_EQ(tokenizer.LineIndex(), 3);
    tokenizer.Next(t);
    EXPECT_EQ(t.Value, "7");
    EXPECT_EQ(t.Key, "Runde");

    const CRToken keyless = Only("\"Text\nmehr\nEnde\"");
    EXPECT_EQ(keyless.Value, "Text\r\nmehr\r\nEnde");
    EXPECT_EQ(keyless.Key, "");

    const CRToken semicolonBeforeQuote = Only("\"Text\na;b\"c");
    EXPECT_EQ(semicolonBeforeQuote.Value, "Text\r\na;b");
    EXPECT_EQ(semicolonBeforeQuote.Key, "") << "a semicolon before the quote starts no key";

    EXPECT_EQ(Only("\"Text\n\nEnde\"").Value, "Text\r\n\r\nEnde") << "empty lines belong to the text";
}

TEST(CRTokenizer, QuotedValueRunningToTheEndEndsTheFile)
{
    CRTokenizer tokenizer("\"Text\nmehr\n");
    CRToken t;
    tokenizer.Next(t);
    EXPECT_EQ(t.LineType, CRLineType::EndOfFile);
    EXPECT_EQ(t.Value, "");
}

TEST(CRTokenizer, CapitalLetterStartsABlockHead)
{
    const CRToken region = Only("REGION 3 -4 1");
    EXPECT_EQ(region.LineType, CRLineType::BlockHead);
    EXPECT_EQ(region.Block, "REGION");
    EXPECT_EQ(region.Params, "3 -4 1");
    EXPECT_EQ(region.Value, "REGION 3 -4 1");

    const CRToken bare = Only("MELDUNGEN");
    EXPECT_EQ(bare.Block, "MELDUNGEN");
    EXPECT_EQ(bare.Params, "");

    const CRToken word = Only("Ebene;Terrain");
    EXPECT_EQ(word.LineType, CRLineType::BlockHead) << "an unquoted capitalised value is a head";
    EXPECT_EQ(word.Block, "Ebene");

    EXPECT_EQ(Only("ebene;Terrain").LineType, CRLineType::Value);
    EXPECT_EQ(Only("\"Ebene\";Terrain").LineType, CRLineType::Value);
    EXPECT_EQ(Only("\xC4rger;Name").LineType, CRLineType::Value) << "only A to Z start a head";
}

TEST(CRTokenizer, LinesEndAtCrLfLfAndCrAndEmptyLinesAreSkipped)
{
    const std::string bytes = "1;a\r\n2;b\n3;c\r4;d\n\n\r\n\r5;e";
    const std::vector<CRToken> tokens = Tokens(bytes);
    ASSERT_EQ(tokens.size(), 5u);
    for (size_t i = 0; i < tokens.size(); ++i)
        EXPECT_EQ(tokens[i].Value, std::to_string(i + 1));
    EXPECT_EQ(tokens[4].Key, "e");

    CRTokenizer tokenizer(bytes);
    EXPECT_EQ(tokenizer.LineCount(), 8);
    CRToken t;
    for (int i = 0; i < 5; ++i)
        tokenizer.Next(t);
    EXPECT_EQ(tokenizer.LineIndex(), 8) << "skipped empty lines are counted";
    tokenizer.Next(t);
    EXPECT_EQ(t.LineType, CRLineType::EndOfFile);
    tokenizer.Next(t);
    EXPECT_EQ(t.LineType, CRLineType::EndOfFile) << "the end stays the end";
}

TEST(CRTokenizer, CountsLinesLikeItSplitsThem)
{
    EXPECT_EQ(CountCRLines(""), 0);
    EXPECT_EQ(CountCRLines("a"), 1);
    EXPECT_EQ(CountCRLines("a\n"), 1);
    EXPECT_EQ(CountCRLines("a\r\n"), 1);
    EXPECT_EQ(CountCRLines("a\rb"), 2);
    EXPECT_EQ(CountCRLines("\r\r"), 2);
    EXPECT_EQ(CountCRLines("\n\r\n\r"), 3);
    EXPECT_EQ(CountCRLines(std::string("a\0b\nc", 5)), 2);
}

// The word-at-a-time scans must split exactly like a byte-by-byte reading,
// wherever the terminators fall within a word.
TEST(CRTokenizer, LongAndOddLinesSplitLikeAPlainScan)
{
    uint32_t state = 99;
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        const int length = 1 + static_cast<int>(state % 300);
        for (int i = 0; i < length; ++i) {
            state = state * 1664525u + 1013904223u;
            const uint32_t r = state >> 24;
            bytes += r < 8 ? '\n' : r < 14 ? '\r' : r < 16 ? '\t' : r < 20 ? '\0' : static_cast<char>('a' + r % 26);
        }
        std::vector<std::string> expected;
        std::string current;
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r' || bytes[i] == '\n') {
                expected.push_back(current);
                current.clear();
                if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
            } else {
                current += bytes[i];
            }
        }
        if (!current.empty())
            expected.push_back(current);

        EXPECT_EQ(CountCRLines(bytes), static_cast<int64_t>(expected.size()));
        std::vector<std::string> nonEmpty;
        for (const std::string& line : expected) {
            if (!line.empty())
                nonEmpty.push_back(line);
        }
        std::vector<std::string> read;
        for (const CRToken& t : Tokens(bytes))
            read.push_back(t.Value);
        EXPECT_EQ(read, nonEmpty);
    }
}

TEST(CRTokenizer, EscapesInTodaysReportsAndTheByteOrderMark)
{
    struct Case {
        std::string_view Bytes;
        std::string_view Value;
        std::string_view Key;
    };
    const Case cases[] = {
        { "\"BENENNE PARTEI \\\"Die Wanderer\\\"\";Befehl", "BENENNE PARTEI \"Die Wanderer\"", "Befehl" },
        { "\"C:\\\\Spiel\\\\\";Pfad", "C:\\Spiel\\", "Pfad" },
        { "\"x\\\";y\";Name", "x\";y", "Name" },
        { "\"a\\qb\"", "a\\qb", "" },
        { "\"Zeile \\\"1\\\"\r\nZeile 2\";Beschr", "Zeile \"1\"\r\nZeile 2", "Beschr" },
    };
    for (const Case& c : cases) {
        CRTokenizer tokenizer(c.Bytes);
        tokenizer.SetEscapes(true);
        CRToken token;
        tokenizer.Next(token);
        EXPECT_EQ(token.LineType, CRLineType::Value) << c.Bytes;
        EXPECT_EQ(token.Value, c.Value) << c.Bytes;
        EXPECT_EQ(token.Key, c.Key) << c.Bytes;
    }
    EXPECT_EQ(Only("\"a \\\"b\\\"\";K").Value, "a \\\"b\\\"") << "older reports have no escapes";

    const std::vector<CRToken> tokens = Tokens("\xEF\xBB\xBFVERSION 69\r\n5;Runde\r\n");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].Block, "VERSION");
    EXPECT_EQ(tokens[1].Key, "Runde");
}

} // namespace
} // namespace maprune
