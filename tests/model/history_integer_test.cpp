// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/error.h"
#include "model/history_integer.h"
#include "model/report.h"

using namespace maprune;

namespace {

std::vector<THistoryInteger::Entry> Entries(const THistoryInteger& h)
{
    return h.History();
}

class HistoryIntegerTest : public ::testing::Test {
protected:
    std::unique_ptr<TReport> report = CreateEmpty<TReport>(nullptr);
    std::unique_ptr<THistoryInteger> history = CreateEmpty<THistoryInteger>(report.get());
};

} // namespace

TEST_F(HistoryIntegerTest, StartsEmptyAndUnknown)
{
    EXPECT_EQ(history->HistoryCount(), 0);
    EXPECT_EQ(history->CurrentValue(), -1);
}

TEST_F(HistoryIntegerTest, KeepsDatesNewestFirstWhateverTheOrderOfAdding)
{
    history->AddValue(5, 10);
    history->AddValue(7, 3);
    history->AddValue(6, 4);
    using E = THistoryInteger::Entry;
    EXPECT_EQ(Entries(*history), (std::vector<E>{{7, 3}, {6, 4}, {5, 10}}));
    EXPECT_EQ(history->CurrentValue(), 3);
}

TEST_F(HistoryIntegerTest, FirstValueOfADateStaysAndUnknownIsNeverStored)
{
    history->AddValue(5, 10);
    history->AddValue(5, 11);
    history->AddValue(4, -1);
    history->AddValue(0, 8);
    history->AddValue(-3, 9);
    using E = THistoryInteger::Entry;
    EXPECT_EQ(Entries(*history), (std::vector<E>{{5, 10}, {1, 8}}));
}

TEST_F(HistoryIntegerTest, IndexOutsideTheEntriesFailsWithItsMessage)
{
    history->AddValue(2, 20);
    EXPECT_EQ(history->GetHistoryDate(0), 2);
    EXPECT_EQ(history->GetHistoryValue(0), 20);
    try {
        history->GetHistoryValue(1);
        FAIL() << "no exception";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "THistoryInteger.GetHistoryValue(1): Index is out of range (1)");
    }
    try {
        history->GetHistoryDate(-1);
        FAIL() << "no exception";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "THistoryInteger.GetHistoryDate(-1): Index is out of range (1)");
    }
}

TEST_F(HistoryIntegerTest, MergeFromAddsOnlyMissingDates)
{
    history->AddValue(3, 30);
    history->AddValue(1, 10);
    auto other = CreateEmpty<THistoryInteger>(report.get());
    other->AddValue(4, 44);
    other->AddValue(3, 33);
    other->AddValue(2, 22);
    history->MergeFrom(*other);
    using E = THistoryInteger::Entry;
    EXPECT_EQ(Entries(*history), (std::vector<E>{{4, 44}, {3, 30}, {2, 22}, {1, 10}}));
}
