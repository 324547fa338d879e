// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace maprune {

class TRegion;
class TReport;

enum class PartyFilter : uint8_t { All = 0, Own = 1, Allied = 2, Hostile = 3 };

// Which units the person statistics count, and whether only their armed
// persons. The own party is the report's ActiveParty; allied are the own
// party and the parties of its TAlly entries (only the own party when it has
// no TParty record); hostile are all others.
class PersonFilter {
public:
    PersonFilter() = default;
    PersonFilter(const TReport& report, PartyFilter filter, bool armedOnly);

    bool Passes(int32_t party) const;
    bool ArmedOnly() const { return FArmedOnly; }

private:
    bool IsAllied(int32_t party) const;

    PartyFilter FFilter = PartyFilter::All;
    bool FArmedOnly = false;
    int32_t FOwnParty = -1;
    std::vector<int32_t> FAllies; // sorted
};

// A region's figure for one statistic, or NoValue.
using StatisticGetter = int32_t (*)(const TRegion& region, const PersonFilter& filter);

// The entries of the menu "&statistisch", in menu order.
enum class StatisticKind : uint8_t {
    Peasants,
    Silver,
    Horses,
    Trees,
    Mallorn,
    Iron,
    Laen,
    FreeWorkPlaces,
    FreeWorkPlacesShare,
    Persons,
    ArmedPersons,
    OwnPersons,
    OwnArmedPersons,
    HostilePersons,
    HostileArmedPersons,
    AlliedPersons,
    AlliedArmedPersons,
};
constexpr size_t kStatisticCount = 17;

struct StatisticEntry {
    StatisticKind Kind;
    std::string_view MenuEntry; // the caption in the menu, with its '&'
    std::string_view Name; // StatisticName, shown in caption and hint
    StatisticGetter Getter;
    PartyFilter Filter; // for the person counts
    bool ArmedOnly;
};

// All entries, in menu order (indexed by StatisticKind).
const std::array<StatisticEntry, kStatisticCount>& StatisticEntries();
const StatisticEntry& Statistic(StatisticKind kind);

// Persons of the region's units that pass the filter (their armed persons,
// the smaller of persons and weapons, with ArmedOnly); 0 without such units.
// An unknown person count (-1) counts as none.
int32_t PersonCount(const TRegion& region, const PersonFilter& filter);

} // namespace maprune
