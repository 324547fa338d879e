// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "map/alliance_list.h"
#include "map/change_colours.h"
#include "map/political_legend.h"
#include "map/statistics.h"

namespace maprune {

class TMapState;
class TRegion;
class TReport;

enum class MapMode : uint8_t { Geographic = 0, Statistic = 1, Political = 2, Changes = 3 };

// Which line of a political summary counts: 0 "manuell", 1 armed, 2 all,
// 3 guarding persons.
enum class PersonsMode : uint8_t { Manual = 0, Armed = 1, Persons = 2, Guards = 3 };

// The colouring state of the main map: the mode, the chosen statistic, the
// political grouping, persons mode and turn, and the legend. The passes
// write the MapColor (statistic) or PoliticShares (political) of every
// region of the report's active layer into the map state; the caller redraws the map and refills
// the legend window from Legend() afterwards.
class MapColouring {
public:
    MapMode Mode() const { return FMode; }
    // Geographic mode: the regions show their terrain pictures; the legend
    // is empty.
    void SetGeographic();

    // A report was loaded: the party list is rebuilt on the next political
    // pass and the shown turn becomes the report's turn.
    void ReportLoaded(const TReport& report);
    // The alliances were edited: the legend is rebuilt on the next pass.
    void AlliancesChanged() { FLegend.DropLegend(); }

    // Switches to the statistic and colours the active layer by it.
    void SetStatistic(TMapState& state, StatisticKind kind);
    const StatisticEntry& CurrentStatistic() const { return Statistic(FStatistic); }

    // Each region of the active layer gets the colour of its value on the
    // scale from the smallest to the largest value of the layer, or 0x404040
    // without a value; the legend shows 21 steps of the scale (none when no
    // region has a value).
    void ComputeStatisticColours(TMapState& state);

    // Stores the three values, switches to political mode and fills each
    // region's shares from its summaries of the newest turn not after
    // `turn` (summaries of the own party only from `turn` itself).
    void ComputePoliticColours(TMapState& state, const AllianceList& alliances, bool byAlliance,
        PersonsMode persons, int32_t turn);
    bool ByAlliance() const { return FByAlliance; }
    PersonsMode Persons() const { return FPersons; }
    int32_t ShownTurn() const { return FShownTurn; }

    // Switches to the map of changes: each region of the active layer gets
    // the colour of its weight from `weigher`, which the mode keeps to
    // recolour after every change of the report.
    void SetChanges(TMapState& state, ChangeWeigher weigher);
    void ComputeChangeColours(TMapState& state);

    // The turn of the legend window's spin edit; recolours in political mode.
    void SetShownTurn(TMapState& state, const AllianceList& alliances, int32_t turn);

    // Runs the pass of the present mode again (nothing in geographic mode).
    void Recolour(TMapState& state, const AllianceList& alliances);

    // The lines of the legend window.
    const std::vector<LegendEntry>& Legend() const { return FShownLegend; }
    const PoliticalLegend& Political() const { return FLegend; }

    // What the legend window heads its list with: "geographische Karte:
    // keine Legende", "statistische Karte (<name>)" (with ": keine Werte"
    // when no region has a value), "politische Karte (<persons>,
    // <grouping>)" or "Veränderungen von Runde <a> bis <b>" (": keine
    // ältere Runde" without one).
    std::string LegendHeading() const;

    // The caption over the map; empty in geographic mode. The month and year
    // part is left out for a shown turn below 1.
    std::string Caption() const;

    // What the hover hint of `region` ends with: in statistic mode " - ",
    // the value, a blank and the statistic's name (nothing without a value);
    // in political mode " - " and the names of the region's shares in `state`.
    std::string HintSuffix(const TMapState& state, const TRegion& region) const;

private:
    MapMode FMode = MapMode::Geographic;
    StatisticKind FStatistic = StatisticKind::Peasants;
    PersonFilter FFilter;
    bool FByAlliance = false;
    PersonsMode FPersons = PersonsMode::Persons;
    int32_t FShownTurn = 0;
    PoliticalLegend FLegend;
    std::vector<LegendEntry> FShownLegend;
    ChangeWeigher FWeigher;
    int32_t FChangesFrom = -1;
    int32_t FChangesTo = -1;
};

} // namespace maprune
