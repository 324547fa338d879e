// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/history_integer.h"

#include <algorithm>

#include "core/error.h"
#include "model/property_builders.h"

namespace maprune {

MAPRUNE_DEFINE_SHAPED_CLASS(THistoryInteger, TReportItem, History)

void THistoryInteger::AddValue(int32_t date, int32_t value)
{
    if (value == -1)
        return;
    const int32_t d = std::max(date, 1);
    auto pos = std::find_if(
        FHistory.begin(), FHistory.end(), [d](const Entry& e) { return e.Date <= d; });
    if (pos != FHistory.end() && pos->Date == d)
        return;
    FHistory.Insert(static_cast<size_t>(pos - FHistory.begin()), Entry { d, value });
}

static void CheckIndex(const char* method, int32_t index, size_t count)
{
    if (index < 0 || static_cast<size_t>(index) >= count) {
        throw Error("THistoryInteger." + std::string(method) + "(" + std::to_string(index)
            + "): Index is out of range (" + std::to_string(count) + ")");
    }
}

int32_t THistoryInteger::GetHistoryDate(int32_t index) const
{
    CheckIndex("GetHistoryDate", index, FHistory.size());
    return FHistory[static_cast<size_t>(index)].Date;
}

int32_t THistoryInteger::GetHistoryValue(int32_t index) const
{
    CheckIndex("GetHistoryValue", index, FHistory.size());
    return FHistory[static_cast<size_t>(index)].Value;
}

void THistoryInteger::MergeFrom(const THistoryInteger& other)
{
    for (const Entry& e : other.FHistory)
        AddValue(e.Date, e.Value);
}

} // namespace maprune
