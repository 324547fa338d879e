// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/stats/record_tally.h"

#include <algorithm>

#include "core/text_encoding.h"
#include "model/game_data.h"

namespace maprune {

namespace {

// Every kind 0 .. 12: a tally mixes races, items, terrains and buildings.
constexpr uint16_t kAllKinds = 0x1FFF;

std::string FormForCount(const GameRecord& record, long long count)
{
    if (record.Plural.empty())
        return "mal " + record.Singular;
    return NameFormForCount(count) == 0 ? record.Singular : record.Plural;
}

} // namespace

void RecordTally::Add(std::string_view name, long long count)
{
    if (count <= 0)
        return;
    const GameRecord* record = &GameDataInstance().GetItem(name, kAllKinds);
    const auto entry = std::find_if(FEntries.begin(), FEntries.end(),
        [record](const Entry& e) { return e.Record == record; });
    if (entry != FEntries.end())
        entry->Count += count;
    else
        FEntries.push_back({ record, count });
}

std::vector<std::string> RecordTally::Lines() const
{
    std::vector<std::string> lines;
    lines.reserve(FEntries.size());
    for (const Entry& entry : FEntries)
        lines.push_back(std::to_string(entry.Count) + " "
            + DisplayText(FormForCount(*entry.Record, entry.Count)));
    return lines;
}

} // namespace maprune
