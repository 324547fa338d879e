// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model_text.h"

using namespace maprune;

TEST(ModelText, RecognisesOnlyWellFormedUtf8)
{
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("W\xC3\xBCste"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x90\x89"));
    EXPECT_FALSE(IsValidUtf8("W\xFCste")); // Windows-1252
    EXPECT_FALSE(IsValidUtf8("\xC3")); // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF")); // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
}

TEST(ModelText, DecodesEightBitTextAsWindows1252)
{
    EXPECT_EQ(DecodeModelText("W\xC3\xBCste"), U"Wüste");
    EXPECT_EQ(DecodeModelText("W\xFCste"), U"Wüste");
    EXPECT_EQ(DecodeModelText("\x80\x8A\x81"), U"€Š\u0081");
}

TEST(ModelText, FoldsCaseAcrossCharacterSets)
{
    EXPECT_EQ(FoldedText("W\xDCSTE"), FoldedText("w\xC3\xBCste"));
    EXPECT_EQ(FoldedText("\xC3\x84XTE"), U"äxte");
    EXPECT_EQ(FoldedText("\x8A\x8C\x9F"), U"šœÿ");
    EXPECT_EQ(FoldedText("\xD7\xDF"), U"×ß"); // no lower case of their own
    EXPECT_NE(FoldedText("Wuste"), FoldedText("W\xFCste"));
}
