// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/stats/report_statistics.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/model_text.h"
#include "model/building.h"
#include "model/game_data.h"
#include "model/name_forms.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"
#include "tools/stats/record_tally.h"

namespace maprune {

namespace {

const char* Plural(long long n, const char* suffix)
{
    return n == 1 ? "" : suffix;
}

template <typename Visit> void ForEachUnit(const TReport& report, Visit visit)
{
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (const TUnit* unit : *region->Units) {
            if (unit != nullptr)
                visit(*unit);
        }
    }
}

template <typename List, typename Visit>
void ForEachOf(const TReport& report, List list, Visit visit)
{
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (const auto* item : *(region->*list)) {
            if (item != nullptr)
                visit(*item);
        }
    }
}

long long Current(const SubObject<THistoryInteger>& value)
{
    return value->CurrentValue();
}

} // namespace

std::string StandingLine(const TReport& report)
{
    const TParty* party = report.ActiveParty == -1 ? nullptr : report.FindParty(report.ActiveParty);
    if (party == nullptr)
        return "--- keine Partei im Report definiert ---";
    long long units = 0;
    ForEachUnit(report, [&](const TUnit& unit) { units += unit.Party == party->Nr ? 1 : 0; });
    const long long persons = Current(party->Persons);
    const long long points = Current(party->Points);
    const long long average = Current(party->PointAverage);
    const long long difference = std::llabs(points - average);
    return "Sie kommandieren " + std::to_string(persons) + " Person" + Plural(persons, "en")
        + " in " + std::to_string(units) + " Einheit" + Plural(units, "en") + ". Mit "
        + std::to_string(points) + " Punkt" + Plural(points, "en") + " liegen Sie "
        + std::to_string(difference) + " Punkt" + Plural(difference, "e") + " "
        + (points < average ? "unter" : "über") + " dem Durchschnitt gleichalteriger Parteien";
}

std::vector<StatisticsParty> StatisticsParties(const TReport& report)
{
    std::vector<StatisticsParty> parties;
    ForEachUnit(report, [&](const TUnit& unit) {
        if (unit.Party == -1)
            return;
        const bool known = std::any_of(parties.begin(), parties.end(),
            [&unit](const StatisticsParty& p) { return p.Nr == unit.Party; });
        if (!known)
            parties.push_back({ unit.Party, report.PartyDescription(unit.Party) });
    });
    return parties;
}

PartyTotals PartyTotalsOf(const TReport& report, int32_t party)
{
    RecordTally goods;
    ForEachUnit(report, [&](const TUnit& unit) {
        if (unit.Party != party)
            return;
        goods.Add(unit.Type_, Current(unit.Count), kinds::ItemsAndRaces);
        for (const TItem& item : unit.Items->Entries)
            goods.Add(item.Item, item.Count, kinds::ItemsAndRaces);
    });
    RecordTally buildings;
    ForEachOf(report, &TRegion::Buildings, [&](const TBuilding& building) {
        if (building.Party == party)
            buildings.Add(building.Type_, 1, kinds::Building);
    });
    RecordTally ships;
    ForEachOf(report, &TRegion::Ships, [&](const TShip& ship) {
        if (ship.Party == party)
            ships.Add(ship.Type_, 1);
    });
    return { goods.Lines(), buildings.Lines(), ships.Lines() };
}

std::vector<const GameRecord*> TalentChoices()
{
    GameData& data = GameDataInstance();
    std::vector<const GameRecord*> talents;
    for (size_t i = 0; i < data.Count(); ++i) {
        const GameRecord& record = data.Record(i);
        if (record.Kind() == KindTalent)
            talents.push_back(&record);
    }
    return talents;
}

TalentFigures TalentFiguresOf(const TReport& report, int32_t party, const GameRecord& talent)
{
    TalentFigures figures;
    std::array<long long, kTopTalentLevel + 1> histogram {};
    const NameForms names(talent.Names);
    ForEachUnit(report, [&](const TUnit& unit) {
        if (unit.Party != party)
            return;
        const long long persons = Current(unit.Count);
        for (const TTalent& entry : unit.Talents->Entries) {
            if (!names.Matches(FoldedText(entry.Talent)))
                continue;
            figures.Persons += persons;
            figures.Days += entry.Days;
            figures.Sum += static_cast<long long>(entry.Level) * persons;
            const int32_t slot = std::clamp(entry.Level, 0, kTopTalentLevel);
            figures.OutsideSlots = figures.OutsideSlots || slot != entry.Level;
            histogram[static_cast<size_t>(slot)] += persons;
        }
    });
    if (figures.Persons <= 0)
        return figures;
    const auto held = [](long long n) { return n != 0; };
    const auto lowest = std::find_if(histogram.begin(), histogram.end(), held);
    if (lowest == histogram.end())
        return figures;
    const auto highest = std::find_if(histogram.rbegin(), histogram.rend(), held);
    const auto low = static_cast<int32_t>(lowest - histogram.begin());
    const auto high = static_cast<int32_t>(histogram.rend() - highest) - 1;
    if (low > 0)
        figures.Points.push_back({ low - 1, 0 });
    for (int32_t level = low; level <= high; ++level)
        figures.Points.push_back({ level, histogram[static_cast<size_t>(level)] });
    figures.Points.push_back({ high + 1, 0 });
    return figures;
}

std::vector<std::string> SelectedRegionsLines(const TReport& report)
{
    RecordTally tally;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr || (region->Tag() & 1) == 0)
            continue;
        tally.Add("Regionen", 1);
        tally.Add(region->Terrain, 1, kinds::Terrain);
        if (region->FullInfoDate <= 0)
            continue;
        tally.Add("Bauern", Current(region->Peasants));
        tally.Add("Silber", Current(region->Silver));
        tally.Add("Pferde", Current(region->Horses));
        tally.Add(region->Mallorn >= 1 ? "Mallornbäume" : "Bäume", Current(region->Trees));
        tally.Add("Eisen", Current(region->Iron));
        tally.Add("Laen", Current(region->Laen));
    }
    return tally.Lines();
}

} // namespace maprune
