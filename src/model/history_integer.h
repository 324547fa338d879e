// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "model/history_entries.h"
#include "model/report_item.h"

namespace maprune {

// An integer with one value per turn. Entries are kept newest first so that
// CurrentValue is a constant-time read; -1 means unknown and is never stored.
class THistoryInteger : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    using Entry = HistoryEntry;

    // Records `value` for `date` (dates below 1 count as 1). -1 and dates that
    // already have a value are ignored: the first value of a date stays.
    void AddValue(int32_t date, int32_t value);
    // The newest value, -1 when there is none.
    int32_t CurrentValue() const { return FHistory.empty() ? -1 : FHistory.front().Value; }
    int32_t HistoryCount() const { return static_cast<int32_t>(FHistory.size()); }
    // Throw Error for an index outside 0 .. HistoryCount-1.
    int32_t GetHistoryDate(int32_t index) const;
    int32_t GetHistoryValue(int32_t index) const;
    // Adds every entry of `other`; dates already present keep their value.
    void MergeFrom(const THistoryInteger& other);

    const HistoryEntries& History() const { return FHistory; }
    // Replaces all entries as stored (newest first); used by file readers.
    void SetHistory(std::span<const Entry> entries) { FHistory.Assign(entries); }
    void SetHistory(std::initializer_list<Entry> entries)
    {
        FHistory.Assign(std::span(entries.begin(), entries.size()));
    }

private:
    HistoryEntries FHistory;
};

} // namespace maprune
