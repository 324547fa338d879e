// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/units/unit_order.h"

#include <algorithm>

#include "config/unit_sort_criteria.h"
#include "config/unit_sort_options.h"
#include "core/model_text.h"
#include "model/party_category.h"
#include "model/report.h"
#include "model/unit.h"

namespace maprune {

namespace {

// The criteria in the order ProgramUnitSortCriteria registers them.
enum Criterion : size_t {
    CategoryOwnFirst,
    CategoryEnemyFirst,
    CountDescending,
    BestTalentName,
    PartyAscending,
    BestTalentLevel,
    UnitName,
};

// What the criteria compare, worked out once per unit.
struct SortKey {
    TUnit* Unit;
    int Rank;
    int32_t Count;
    std::u32string TalentName;
    int32_t TalentLevel;
    std::u32string Name;
};

template <typename T> int Compare(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Below 0 when `a` goes first.
int CompareBy(size_t criterion, const SortKey& a, const SortKey& b)
{
    switch (criterion) {
    case CategoryOwnFirst:
        return Compare(b.Rank, a.Rank);
    case CategoryEnemyFirst:
        return Compare(a.Rank, b.Rank);
    case CountDescending:
        return Compare(b.Count, a.Count);
    case BestTalentName:
        return Compare(a.TalentName, b.TalentName);
    case PartyAscending:
        return Compare(a.Unit->Party, b.Unit->Party);
    case BestTalentLevel:
        return Compare(b.TalentLevel, a.TalentLevel);
    case UnitName:
        return Compare(a.Name, b.Name);
    default:
        return 0;
    }
}

} // namespace

BestTalent BestTalentOf(const TUnit& unit)
{
    BestTalent best;
    std::u32string bestFolded;
    for (const TTalent& talent : unit.Talents->Entries) {
        const std::u32string folded = FoldedText(talent.Talent);
        const bool better = talent.Level > best.Level
            || (talent.Level == best.Level
                && (talent.Days > best.Days || (talent.Days == best.Days && folded < bestFolded)));
        if (better) {
            best = { talent.Talent, talent.Level, talent.Days };
            bestFolded = folded;
        }
    }
    return best;
}

std::vector<TUnit*> OrderUnits(
    const TReport& report, const TUnitList& units, const std::vector<size_t>& order)
{
    const PartyCategories categories(report);
    std::vector<SortKey> keys;
    keys.reserve(units.Count());
    for (TUnit* unit : units) {
        if (unit == nullptr)
            continue;
        const BestTalent talent = BestTalentOf(*unit);
        keys.push_back({ unit, Rank(categories.Of(unit->Party)), unit->Count->CurrentValue(),
            FoldedText(talent.Name), talent.Level, FoldedText(unit->Name) });
    }
    // Stable: units equal under every criterion keep their list order.
    std::stable_sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        for (size_t criterion : order) {
            if (const int result = CompareBy(criterion, a, b); result != 0)
                return result < 0;
        }
        return false;
    });
    std::vector<TUnit*> ordered;
    ordered.reserve(keys.size());
    for (const SortKey& key : keys)
        ordered.push_back(key.Unit);
    return ordered;
}

std::vector<size_t> UnitOrderFromSettings(const std::string& options)
{
    return ParseUnitSortOptions(options, ProgramUnitSortCriteria());
}

} // namespace maprune
