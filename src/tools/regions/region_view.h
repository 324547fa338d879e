// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/lines/category_lines.h"

namespace maprune {

class TRegion;
class TReport;
class TUnit;

// How the region window lists units: the UnitDisplayOption bits of their
// descriptions and the order of the sort criteria (UnitOrderFromSettings).
struct RegionViewOptions {
    unsigned DisplayOptions = 0;
    std::vector<size_t> UnitOrder;
    // The party chosen last on the statistics tab; -1 none.
    int32_t StatisticsParty = -1;
};

// One value of the region with its caption ("Bauern") and text.
struct RegionValue {
    std::string Caption;
    std::string Text;
};

// The statistics tab for one party.
struct RegionStatistics {
    std::vector<int32_t> Parties; // in order of first appearance among the units
    std::vector<std::string> PartyNames; // their PartyDescription
    int Chosen = -1; // index into Parties, -1 without parties
    std::vector<std::string> Goods; // "12 Pferde"
    std::vector<std::string> Talents; // "Reiten 2: 12"
};

// Everything the region window shows of one region (null: none), as UTF-8.
struct RegionView {
    std::string Caption;
    // Bauern, Silber, max. Unterhalt., max. Rekruten, Pferde, Laen, Eisen,
    // Bäume or Mallornbäume, Luxuswaren zum angegebenen Preis.
    std::vector<RegionValue> Values;
    std::vector<std::string> Prices;
    std::vector<CategoryLine> Units; // in the window's order
    std::vector<TUnit*> UnitObjects; // beside Units
    int SelectedUnit = -1; // the first own unit, else the first one; -1 none
    std::vector<CategoryLine> Buildings;
    std::vector<CategoryLine> Ships;
    std::vector<std::string> Comments;
    std::vector<std::string> Passthrough;
    RegionStatistics Statistics;
};

RegionView ViewOfRegion(
    const TReport& report, const TRegion* region, const RegionViewOptions& options);
// What the window shows without a region: every value unknown.
RegionView ViewOfNoRegion();
// The statistics tab alone, for another choice of party.
RegionStatistics StatisticsOfRegion(const TReport& report, const TRegion& region, int32_t chosen);

// The date suffix of the window caption: empty when the region's
// information is of the report's turn, else " (<month> <year>)" or, when a
// complete description is older, the dates of both.
std::string RegionDateSuffix(const TReport& report, const TRegion& region);

} // namespace maprune
