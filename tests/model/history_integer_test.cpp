// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/error.h"
#include "model/history_integer.h"
#include "model/report.h"

using namespace maprune;

namespace {

std::vector<THistoryInteger::Entry> Entries(const THistoryInteger& h)
{
    return { h.History().begin(), h.History().end() };
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

TEST_F(HistoryIntegerTest, ReplacedEntriesOfAnyLengthStayAddableInOrder)
{
    using E = THistoryInteger::Entry;
    const std::vector<std::vector<E>> replacements { { { 9, 1 }, { 8, 2 }, { 3, 3 } }, { { 4, 5 } },
        {}, { { 20, 1 }, { 19, 2 }, { 18, 3 }, { 17, 4 }, { 16, 5 } }, { { 6, 6 } } };
    for (const std::vector<E>& entries : replacements) {
        history->SetHistory(entries);
        EXPECT_EQ(Entries(*history), entries);
        // A newer and an older turn around what is there.
        history->AddValue(30, 7);
        history->AddValue(2, 8);
        std::vector<E> expected { { 30, 7 } };
        expected.insert(expected.end(), entries.begin(), entries.end());
        expected.push_back({ 2, 8 });
        EXPECT_EQ(Entries(*history), expected);
        EXPECT_EQ(history->CurrentValue(), 7);
    }
}
