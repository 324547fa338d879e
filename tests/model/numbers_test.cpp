// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/numbers.h"

using namespace maprune;

TEST(FormatNr, WritesBase36WithCapitalJAndL)
{
    EXPECT_EQ(FormatNr(19), "J");
    EXPECT_EQ(FormatNr(21), "L");
    EXPECT_EQ(FormatNr(36), "10");
    EXPECT_EQ(FormatNr(0), "0");
    EXPECT_EQ(FormatNr(-5), "0");
    EXPECT_EQ(FormatNr(2147483647), "zik0zJ");
    EXPECT_EQ(FormatNr(255, 16), "ff");
    EXPECT_EQ(FormatNr(10, 10), "10");
}

TEST(FormatNr, InsaneBaseIsTakenAs36)
{
    EXPECT_EQ(FormatNr(36, 0), "10");
    EXPECT_EQ(FormatNr(36, 1), "10");
    EXPECT_EQ(FormatNr(36, 99), "10");
}

TEST(ParseNr, ReadsWhatFormatNrWritesIgnoringCase)
{
    for (int32_t n : {1, 19, 21, 36, 1295, 46656, 2147483647})
        EXPECT_EQ(ParseNr(FormatNr(n)), n) << n;
    EXPECT_EQ(ParseNr("ABC"), ParseNr("abc"));
    EXPECT_EQ(ParseNr(""), 0);
    EXPECT_EQ(ParseNr("ff", 16), 255);
}

TEST(ParseNr, CharactersThatAreNoDigitsCountMinusOne)
{
    EXPECT_EQ(ParseNr("-"), -1);
    EXPECT_EQ(ParseNr("1-"), 35);
}

TEST(ParseNr, TextBeyond32BitsIsUnknown)
{
    EXPECT_EQ(ParseNr("zik0zj"), 2147483647);
    EXPECT_EQ(ParseNr("zik0zk"), -1);
    EXPECT_EQ(ParseNr(std::string(10000, 'z')), -1);
    EXPECT_EQ(ParseNr(std::string(10000, '-')), -1);
}
