// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/statistics.h"

#include <algorithm>

#include "map/colour_scale.h"
#include "map/rounding.h"
#include "model/allied_parties.h"
#include "model/game_data.h"
#include "model/report.h"

namespace maprune {

namespace {

// Figures computed from several values stay clear of NoValue.
int32_t ClampFigure(int64_t value)
{
    return std::max(ClampToInt32(value), NoValue + 1);
}

int32_t FullInfoValue(const TRegion& region, const THistoryInteger& history)
{
    return region.FullInfoDate == 0 ? NoValue : history.CurrentValue();
}

int32_t Peasants(const TRegion& region, const PersonFilter&)
{
    return FullInfoValue(region, *region.Peasants);
}

int32_t Silver(const TRegion& region, const PersonFilter&)
{
    return FullInfoValue(region, *region.Silver);
}

int32_t Horses(const TRegion& region, const PersonFilter&)
{
    return FullInfoValue(region, *region.Horses);
}

int32_t Trees(const TRegion& region, const PersonFilter&)
{
    const int32_t trees = region.Trees->CurrentValue();
    if (trees == -1)
        return NoValue;
    return region.Mallorn == 0 ? trees : 0;
}

int32_t Mallorn(const TRegion& region, const PersonFilter&)
{
    const int32_t trees = region.Trees->CurrentValue();
    if (trees == -1)
        return NoValue;
    return region.Mallorn == 1 ? trees : 0;
}

int32_t KnownValue(const THistoryInteger& history)
{
    const int32_t value = history.CurrentValue();
    return value == -1 ? NoValue : value;
}

int32_t Iron(const TRegion& region, const PersonFilter&)
{
    return KnownValue(*region.Iron);
}

int32_t Laen(const TRegion& region, const PersonFilter&)
{
    return KnownValue(*region.Laen);
}

int64_t Capacity(const TRegion& region)
{
    const GameRecord* terrain = region.EffectiveTerrainType();
    return terrain != nullptr ? terrain->WorkPlaces() : 0;
}

int64_t FreeWorkPlacesOf(const TRegion& region)
{
    return Capacity(region) - 8 * int64_t { region.Trees->CurrentValue() }
    - region.Peasants->CurrentValue();
}

int32_t FreeWorkPlaces(const TRegion& region, const PersonFilter&)
{
    if (region.FullInfoDate == 0)
        return NoValue;
    return ClampFigure(FreeWorkPlacesOf(region));
}

int32_t FreeWorkPlacesShare(const TRegion& region, const PersonFilter&)
{
    const int64_t capacity = Capacity(region);
    if (region.FullInfoDate == 0 || capacity == 0)
        return NoValue;
    return ClampFigure(FreeWorkPlacesOf(region) * 100 / capacity);
}

constexpr std::array<StatisticEntry, kStatisticCount> kEntries { {
    { StatisticKind::Peasants, "&Bauern", "Bauern", Peasants, PartyFilter::All, false },
    { StatisticKind::Silver, "Silber", "Silber", Silver, PartyFilter::All, false },
    { StatisticKind::Horses, "Pferde", "Pferde", Horses, PartyFilter::All, false },
    { StatisticKind::Trees, "Bäume", "Bäume", Trees, PartyFilter::All, false },
    { StatisticKind::Mallorn, "Mallornbäume", "Mallorn", Mallorn, PartyFilter::All, false },
    { StatisticKind::Iron, "Eisen", "Eisen", Iron, PartyFilter::All, false },
    { StatisticKind::Laen, "&Laen", "Laen", Laen, PartyFilter::All, false },
    { StatisticKind::FreeWorkPlaces, "freie Arbeitsplätze", "freie Arbeitsplätze", FreeWorkPlaces,
        PartyFilter::All, false },
    { StatisticKind::FreeWorkPlacesShare, "freie Arbeitsplätze (anteilig)",
        "freie Arbeitsplätze (anteilig)", FreeWorkPlacesShare, PartyFilter::All, false },
    { StatisticKind::Persons, "alle Personen", "alle Personen", PersonCount, PartyFilter::All,
        false },
    { StatisticKind::ArmedPersons, "alle bewaffneten Personen", "alle bewaffneten Personen",
        PersonCount, PartyFilter::All, true },
    { StatisticKind::OwnPersons, "eigene Personen", "eigene Personen", PersonCount,
        PartyFilter::Own, false },
    { StatisticKind::OwnArmedPersons, "eigene bewaffnete Personen", "eigene bewaffnete Personen",
        PersonCount, PartyFilter::Own, true },
    { StatisticKind::HostilePersons, "feindliche Personen", "feindliche Personen", PersonCount,
        PartyFilter::Hostile, false },
    { StatisticKind::HostileArmedPersons, "feindliche bewaffnete Personen",
        "feindliche bewaffnete Personen", PersonCount, PartyFilter::Hostile, true },
    { StatisticKind::AlliedPersons, "verbündete Personen", "verbündete Personen", PersonCount,
        PartyFilter::Allied, false },
    { StatisticKind::AlliedArmedPersons, "verbündete bewaffnete Personen",
        "verbündete bewaffnete Personen", PersonCount, PartyFilter::Allied, true },
} };

} // namespace

PersonFilter::PersonFilter(const TReport& report, PartyFilter filter, bool armedOnly)
    : FFilter(filter)
    , FArmedOnly(armedOnly)
    , FOwnParty(report.ActiveParty)
    , FAllies(AlliedParties(report))
{
}

bool PersonFilter::IsAllied(int32_t party) const
{
    return party == FOwnParty || std::binary_search(FAllies.begin(), FAllies.end(), party);
}

bool PersonFilter::Passes(int32_t party) const
{
    switch (FFilter) {
    case PartyFilter::All:
        return true;
    case PartyFilter::Own:
        return party == FOwnParty;
    case PartyFilter::Allied:
        return IsAllied(party);
    case PartyFilter::Hostile:
        return !IsAllied(party);
    }
    return false;
}

int32_t PersonCount(const TRegion& region, const PersonFilter& filter)
{
    int64_t sum = 0;
    for (const TUnit* unit : *region.Units) {
        if (unit == nullptr || !filter.Passes(unit->Party))
            continue;
        const int64_t count = std::max(unit->Count->CurrentValue(), 0);
        sum += filter.ArmedOnly() ? std::min(count, int64_t { std::max(unit->Weapons, 0) }) : count;
    }
    return ClampToInt32(sum);
}

const std::array<StatisticEntry, kStatisticCount>& StatisticEntries()
{
    return kEntries;
}

const StatisticEntry& Statistic(StatisticKind kind)
{
    return kEntries[static_cast<size_t>(kind)];
}

} // namespace maprune
