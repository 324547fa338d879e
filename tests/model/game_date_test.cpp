// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/game_date.h"

using namespace maprune;

TEST(GameDate, GermanMonthsAndYears)
{
    EXPECT_EQ(GameDate(1), "Januar des Jahres 1");
    EXPECT_EQ(GameDate(3), "März des Jahres 1");
    EXPECT_EQ(GameDate(12), "Dezember des Jahres 1");
    EXPECT_EQ(GameDate(13), "Januar des Jahres 2");
    EXPECT_EQ(GameDate(15), "März des Jahres 2");
    EXPECT_EQ(MonthName(5), "Mai");
    EXPECT_EQ(MonthName(10), "Oktober");
    EXPECT_EQ(GameYear(24), 2);
    EXPECT_EQ(GameYear(25), 3);
}

TEST(GameDate, TurnsBelowOneHaveNoDate)
{
    EXPECT_EQ(GameDate(0), "");
    EXPECT_EQ(GameDate(-13), "");
    EXPECT_EQ(MonthName(-1), "");
    EXPECT_EQ(GameYear(0), 0);
}
