// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/text_encoding.h"

using namespace maprune;

TEST(TextEncoding, Utf8StaysAndEightBitTextIsReadAsWindows1252)
{
    EXPECT_EQ(DisplayText("Wüste"), "Wüste");
    EXPECT_EQ(DisplayText("W\xFCste"), "Wüste");
    EXPECT_EQ(DisplayText("\x80 \x9F"), "€ Ÿ");
    EXPECT_EQ(DisplayText("\x81"), "\xC2\x81");
    EXPECT_EQ(DisplayText(""), "");
}

TEST(TextEncoding, Utf8ToWindows1252RoundTripsAndMarksMissingCharacters)
{
    EXPECT_EQ(Utf8ToCp1252("Größe €"), "Gr\xF6\xDF" "e \x80");
    EXPECT_EQ(Utf8ToCp1252("日"), "?");
    EXPECT_EQ(DisplayText(Utf8ToCp1252("Straße")), "Straße");
}
