// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace maprune {

struct GameRecord;
class TReport;

// What the statistics window shows of a report, as UTF-8 texts. The
// functions change nothing in the report.

// "Sie kommandieren ..." for the active party, or the note that the report
// names none.
std::string StandingLine(const TReport& report);

// A party the window offers: its number and PartyDescription.
struct StatisticsParty {
    int32_t Nr = -1;
    std::string Description;
};

// The parties other than -1 that own a unit, once each, in the order of
// their first unit (regions in order, units in order).
std::vector<StatisticsParty> StatisticsParties(const TReport& report);

// The "Standard" tab of one party: its persons by race with its goods, its
// buildings and its ships by type, as tally lines.
struct PartyTotals {
    std::vector<std::string> Goods;
    std::vector<std::string> Buildings;
    std::vector<std::string> Ships;
};
PartyTotals PartyTotalsOf(const TReport& report, int32_t party);

// The talents the window offers: every talent record of the game data in
// the data's order.
std::vector<const GameRecord*> TalentChoices();

// The histogram holds levels 0 .. kTopTalentLevel; a higher level is
// counted in the top slot.
inline constexpr int32_t kTopTalentLevel = 47;

struct TalentPoint {
    int32_t Level = 0;
    long long Persons = 0;
};

// The "Talente" tab of one party and talent.
struct TalentFigures {
    long long Persons = 0; // persons of the units that hold the talent
    long long Days = 0; // their learning days
    long long Sum = 0; // level times persons
    // From the lowest to the highest level held, zeros between included,
    // framed by a zero point below (when the lowest is above 0) and above.
    std::vector<TalentPoint> Points;
    // Some persons hold a level above kTopTalentLevel (or below 0); they
    // are counted at the nearest slot.
    bool OutsideSlots = false;
};
TalentFigures TalentFiguresOf(const TReport& report, int32_t party, const GameRecord& talent);

// The "ausgewählte Regionen" tab: regions, terrains and, of regions fully
// described, peasants, silver, horses, trees, iron and laen.
std::vector<std::string> SelectedRegionsLines(const TReport& report);

} // namespace maprune
