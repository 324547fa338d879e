// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_colouring.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "map/colour_scale.h"
#include "map/map_state.h"
#include "map/rounding.h"
#include "model/game_date.h"
#include "model/report.h"

namespace maprune {

namespace {

std::string PersonsText(PersonsMode persons)
{
    switch (persons) {
    case PersonsMode::Manual:
        return "manuell";
    case PersonsMode::Armed:
        return "bewaffnete Personen";
    case PersonsMode::Persons:
        return "Personen";
    case PersonsMode::Guards:
        return "bewachende Personen";
    }
    return {};
}

std::string WithDate(std::string caption, int32_t turn)
{
    if (turn >= 1)
        caption += " im " + GameDate(turn);
    return caption;
}

// The turn whose summaries a region shows: the newest not after `turn`, at
// least 1.
int32_t ShownSummaryTurn(const TRegion& region, int32_t turn)
{
    int32_t best = 1;
    for (const TPoliticInfo* info : *region.Politic) {
        if (info != nullptr && info->Turn <= turn)
            best = std::max(best, info->Turn);
    }
    return best;
}

} // namespace

void MapColouring::ReportLoaded(const TReport& report)
{
    FLegend.Reset();
    FShownTurn = report.Turn;
}

void MapColouring::SetGeographic()
{
    FMode = MapMode::Geographic;
    // The scale of a statistic shown before must not stay.
    FShownLegend.clear();
}

void MapColouring::SetStatistic(TMapState& state, StatisticKind kind)
{
    FStatistic = kind;
    FMode = MapMode::Statistic;
    FShownLegend.clear();
    ComputeStatisticColours(state);
}

void MapColouring::ComputeStatisticColours(TMapState& state)
{
    TReport& report = state.Report();
    const StatisticEntry& statistic = CurrentStatistic();
    FFilter = PersonFilter(report, statistic.Filter, statistic.ArmedOnly);

    // Pairs of the region's index and its value.
    std::vector<std::pair<size_t, int32_t>> values;
    int32_t min = std::numeric_limits<int32_t>::max();
    int32_t max = std::numeric_limits<int32_t>::min();
    bool found = false;
    const TRegionList& regions = *report.Regions;
    for (size_t i = 0; i < regions.Count(); ++i) {
        const TRegion* region = regions[i];
        if (region == nullptr || region->CZ != report.ActiveLayer)
            continue;
        const int32_t value = statistic.Getter(*region, FFilter);
        values.emplace_back(i, value);
        if (value == NoValue)
            continue;
        min = std::min(min, value);
        max = std::max(max, value);
        found = true;
    }

    FShownLegend.clear();
    if (found) {
        const double low = min;
        const double high = max;
        for (int i = 0; i <= 20; ++i) {
            const double v = low + i * (high - low) / 20;
            FShownLegend.push_back({ std::to_string(RoundHalfEven(v)), ScaleColour(high, v, low) });
        }
    }
    for (const auto& [index, value] : values)
        state.ColoursAt(index).MapColor
            = found && value != NoValue ? ScaleColour(max, value, min) : kNoValueColour;
}

void MapColouring::SetChanges(TMapState& state, ChangeWeigher weigher)
{
    FWeigher = std::move(weigher);
    FMode = MapMode::Changes;
    ComputeChangeColours(state);
}

void MapColouring::ComputeChangeColours(TMapState& state)
{
    const TReport& report = state.Report();
    const RegionChangeWeights weights = FWeigher ? FWeigher(report) : RegionChangeWeights {};
    FChangesFrom = weights.From;
    FChangesTo = weights.To;
    const TRegionList& regions = *report.Regions;
    for (size_t i = 0; i < regions.Count(); ++i) {
        const TRegion* region = regions[i];
        if (region == nullptr || region->CZ != report.ActiveLayer)
            continue;
        const ChangeWeight weight
            = i < weights.Weights.size() ? weights.Weights[i] : ChangeWeight::None;
        state.ColoursAt(i).MapColor = ChangeWeightColour(weight);
    }
    FShownLegend = ChangeLegend();
}

void MapColouring::ComputePoliticColours(TMapState& state, const AllianceList& alliances,
    bool byAlliance, PersonsMode persons, int32_t turn)
{
    TReport& report = state.Report();
    FByAlliance = byAlliance;
    FPersons = persons;
    FShownTurn = turn;
    FLegend.Update(report, alliances, byAlliance);

    const auto line = static_cast<TPoliticInfo::DataLine>(persons);
    const TRegionList& regions = *report.Regions;
    for (size_t i = 0; i < regions.Count(); ++i) {
        const TRegion* region = regions[i];
        if (region == nullptr || region->CZ != report.ActiveLayer)
            continue;
        TXSolidBitmap& shares = state.ColoursAt(i).PoliticShares;
        shares.Clear();
        const int32_t best = ShownSummaryTurn(*region, turn);
        for (const TPoliticInfo* info : *region->Politic) {
            if (info == nullptr || info->Turn != best)
                continue;
            const bool admitted
                = info->Turn == turn || (info->Turn < turn && info->Party != report.ActiveParty);
            const int32_t count = info->DataValue(line);
            if (!admitted || count == -1)
                continue;
            if (const LegendEntry* entry = FLegend.EntryOf(info->Party)) {
                shares.AddShare(entry->Colour, count, entry->Text, info->Turn);
            } else {
                const LegendEntry unknown = FLegend.PartyColour(info->Party);
                shares.AddShare(unknown.Colour, count, unknown.Text, info->Turn);
            }
        }
    }
    FMode = MapMode::Political;
    FShownLegend = FLegend.Entries();
}

void MapColouring::SetShownTurn(TMapState& state, const AllianceList& alliances, int32_t turn)
{
    FShownTurn = turn;
    if (FMode == MapMode::Political)
        ComputePoliticColours(state, alliances, FByAlliance, FPersons, turn);
}

void MapColouring::Recolour(TMapState& state, const AllianceList& alliances)
{
    if (FMode == MapMode::Statistic)
        ComputeStatisticColours(state);
    else if (FMode == MapMode::Political)
        ComputePoliticColours(state, alliances, FByAlliance, FPersons, FShownTurn);
    else if (FMode == MapMode::Changes)
        ComputeChangeColours(state);
}

std::string MapColouring::LegendHeading() const
{
    switch (FMode) {
    case MapMode::Geographic:
        return "geographische Karte: keine Legende";
    case MapMode::Statistic:
        return "statistische Karte (" + std::string(CurrentStatistic().Name) + ")"
            + (FShownLegend.empty() ? ": keine Werte" : "");
    case MapMode::Political:
        return "politische Karte (" + PersonsText(FPersons) + ", "
            + (FByAlliance ? "nach Bündnissen" : "nach Parteien") + ")";
    case MapMode::Changes:
        if (FChangesFrom < 1)
            return "Veränderungen: keine ältere Runde";
        return "Veränderungen von Runde " + std::to_string(FChangesFrom) + " bis "
            + std::to_string(FChangesTo);
    }
    return {};
}

std::string MapColouring::Caption() const
{
    if (FMode == MapMode::Geographic)
        return {};
    const std::string heading = LegendHeading();
    if (FMode == MapMode::Changes)
        return heading;
    // Without values the caption still names the statistic only.
    const std::string name = FMode == MapMode::Statistic
        ? "statistische Karte (" + std::string(CurrentStatistic().Name) + ")"
        : heading;
    return WithDate(name, FShownTurn);
}

std::string MapColouring::HintSuffix(const TMapState& state, const TRegion& region) const
{
    if (FMode == MapMode::Political)
        return " - " + state.Colours(region).PoliticShares.NamesText();
    if (FMode == MapMode::Changes) {
        if (const auto weight = ChangeWeightOfColour(state.Colours(region).MapColor))
            return " - Veränderungen: " + std::string(ChangeWeightText(*weight));
        return {};
    }
    if (FMode == MapMode::Statistic) {
        const int32_t value = CurrentStatistic().Getter(region, FFilter);
        if (value != NoValue)
            return " - " + std::to_string(value) + " " + std::string(CurrentStatistic().Name);
    }
    return {};
}

} // namespace maprune
