// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace maprune {

struct GameRecord;

// Counts by game type: names that are forms of one type ("Pferd" and
// "Pferde") add up in one entry. Entries keep the order of their first
// addition.
class RecordTally {
public:
    // Adds `count` under the type that `name` names in the game data
    // (GameDataInstance), looked up among the kinds of `kindMask` and, when
    // only other kinds carry the name, among all kinds. A name the data does
    // not know becomes a type of its own there, of the smallest kind of the
    // mask, so that later look-ups of that kind find it. Counts of 0 or less
    // add nothing.
    void Add(std::string_view name, long long count, uint16_t kindMask = kAllKinds);

    // Every kind 0 .. 12: a tally may mix races, items and terrains.
    static constexpr uint16_t kAllKinds = 0x1FFF;

    // One line per entry: the count, a blank and the type's name in the form
    // for that count, as UTF-8.
    std::vector<std::string> Lines() const;

private:
    struct Entry {
        const GameRecord* Record;
        long long Count;
    };
    std::vector<Entry> FEntries;
};

} // namespace maprune
