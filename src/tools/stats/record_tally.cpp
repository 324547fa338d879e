// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/stats/record_tally.h"

#include <algorithm>

#include "core/error.h"
#include "core/text_encoding.h"
#include "model/game_data.h"

namespace maprune {

namespace {

std::string FormForCount(const GameRecord& record, long long count)
{
    if (record.Plural.empty())
        return "mal " + record.Singular;
    return NameFormForCount(count) == 0 ? record.Singular : record.Plural;
}

const GameRecord& LookUp(std::string_view name, uint16_t kindMask)
{
    GameData& data = GameDataInstance();
    try {
        return data.GetItem(name, kindMask);
    } catch (const Error&) {
        // The name is a type of another kind (an item named like a building).
        return data.GetItem(name, RecordTally::kAllKinds);
    }
}

} // namespace

void RecordTally::Add(std::string_view name, long long count, uint16_t kindMask)
{
    if (count <= 0)
        return;
    const GameRecord* record = &LookUp(name, kindMask);
    const auto entry = std::find_if(
        FEntries.begin(), FEntries.end(), [record](const Entry& e) { return e.Record == record; });
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
