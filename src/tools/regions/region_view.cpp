// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/regions/region_view.h"

#include <algorithm>
#include <cstdlib>

#include "core/text_encoding.h"
#include "model/building.h"
#include "model/game_data.h"
#include "model/game_date.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"
#include "tools/units/unit_order.h"

namespace maprune {

namespace {

const char* const kUnknown = "- ? -";
const char* const kNoValues = "- - -";

std::string ShortDate(int32_t turn)
{
    return MonthName(turn) + " " + std::to_string(GameYear(turn));
}

// The text every value shows instead of its figure; empty when the figures
// are shown.
std::string Placeholder(const TRegion* region)
{
    if (region == nullptr)
        return kUnknown;
    const GameRecord* terrain = region->EffectiveTerrainType();
    if (terrain != nullptr && terrain->TerrainNumber() == 0)
        return kNoValues;
    if (region->FullInfoDate == 0)
        return kUnknown;
    return {};
}

std::string Figure(int32_t value)
{
    return value < 0 ? kUnknown : std::to_string(value);
}

std::vector<RegionValue> Values(const TRegion* region)
{
    const bool mallorn = region != nullptr && region->Mallorn >= 1;
    std::vector<RegionValue> values { { "Bauern", {} }, { "Silber", {} }, { "max. Unterhalt.", {} },
        { "max. Rekruten", {} }, { "Pferde", {} }, { "Laen", {} }, { "Eisen", {} },
        { mallorn ? "Mallornbäume" : "Bäume", {} }, { "Luxuswaren zum angegebenen Preis", {} } };
    const std::string placeholder = Placeholder(region);
    if (!placeholder.empty()) {
        for (RegionValue& value : values)
            value.Text = placeholder;
        return values;
    }
    const int32_t peasants = region->Peasants->CurrentValue();
    const int32_t figures[] = { peasants, region->Silver->CurrentValue(), region->Entertainment,
        region->Recrutees, region->Horses->CurrentValue(), region->Laen->CurrentValue(),
        region->Iron->CurrentValue(), region->Trees->CurrentValue(),
        peasants < 0 ? -1 : peasants / 100 };
    for (size_t i = 0; i < values.size(); ++i)
        values[i].Text = Figure(figures[i]);
    return values;
}

std::vector<std::string> PriceLines(const TRegion& region)
{
    std::vector<std::string> lines;
    for (const TPrice& price : region.Prices->Entries) {
        lines.push_back(std::string(price.Price <= 0 ? "Angebot" : "Nachfrage") + ": "
            + DisplayText(price.Item) + " für " + std::to_string(std::abs(int64_t { price.Price }))
            + " Silber");
    }
    return lines;
}

template <typename List>
std::vector<CategoryLine> ItemLines(const TReport& report, const List& items, unsigned options)
{
    std::vector<PartyText> lines;
    for (const auto* item : items) {
        if (item != nullptr)
            lines.push_back({ item->GetDescription(options), item->Party });
    }
    return LinesByCategory(report, std::move(lines));
}

std::vector<std::string> TextLines(const TLines& lines)
{
    std::vector<std::string> texts;
    for (const std::string& line : lines.Lines())
        texts.push_back(DisplayText(line));
    return texts;
}

// Counts under names, in the order the names first came.
class Tally {
public:
    void Add(const std::string& name, int64_t count)
    {
        const auto found = std::find_if(FEntries.begin(), FEntries.end(),
            [&](const auto& entry) { return entry.first == name; });
        if (found != FEntries.end())
            found->second += count;
        else
            FEntries.emplace_back(name, count);
    }
    const std::vector<std::pair<std::string, int64_t>>& Entries() const { return FEntries; }

private:
    std::vector<std::pair<std::string, int64_t>> FEntries;
};

} // namespace

RegionStatistics StatisticsOfRegion(const TReport& report, const TRegion& region, int32_t chosen)
{
    RegionStatistics statistics;
    for (const TUnit* unit : *region.Units) {
        if (unit != nullptr
            && std::find(statistics.Parties.begin(), statistics.Parties.end(), unit->Party)
                == statistics.Parties.end()) {
            statistics.Parties.push_back(unit->Party);
            statistics.PartyNames.push_back(report.PartyDescription(unit->Party));
        }
    }
    if (statistics.Parties.empty())
        return statistics;
    const auto at = std::find(statistics.Parties.begin(), statistics.Parties.end(), chosen);
    statistics.Chosen
        = at != statistics.Parties.end() ? static_cast<int>(at - statistics.Parties.begin()) : 0;
    const int32_t party = statistics.Parties[static_cast<size_t>(statistics.Chosen)];

    Tally goods;
    Tally talents;
    for (const TUnit* unit : *region.Units) {
        if (unit == nullptr || unit->Party != party)
            continue;
        const int32_t count = unit->Count->CurrentValue();
        goods.Add(unit->Type_, count);
        for (const TItem& item : unit->Items->Entries)
            goods.Add(item.Item, item.Count);
        for (const TTalent& talent : unit->Talents->Entries)
            talents.Add(talent.Talent + " " + std::to_string(talent.Level), count);
    }
    GameData& game = GameDataInstance();
    for (const auto& [name, count] : goods.Entries()) {
        statistics.Goods.push_back(std::to_string(count) + " "
            + DisplayText(game.NameForm(name, kinds::ItemsAndRaces, count == 1 ? 0 : 1)));
    }
    for (const auto& [name, count] : talents.Entries())
        statistics.Talents.push_back(DisplayText(name) + ": " + std::to_string(count));
    return statistics;
}

std::string RegionDateSuffix(const TReport& report, const TRegion& region)
{
    const int32_t info = region.InfoDate;
    const int32_t full = region.FullInfoDate;
    if (info == report.Turn && (full == 0 || full == info))
        return {};
    if (full != 0 && full != info)
        return " (" + ShortDate(info) + "; " + ShortDate(full) + ")";
    return " (" + ShortDate(info) + ")";
}

RegionView ViewOfNoRegion()
{
    RegionView view;
    view.Caption = "unbekanntes Territorium";
    view.Values = Values(nullptr);
    return view;
}

RegionView ViewOfRegion(
    const TReport& report, const TRegion* region, const RegionViewOptions& options)
{
    if (region == nullptr)
        return ViewOfNoRegion();
    RegionView view;
    view.Values = Values(region);
    view.Caption = RegionDescription(region) + RegionDateSuffix(report, *region);
    if (Placeholder(region).empty())
        view.Prices = PriceLines(*region);

    const PartyCategories categories(report);
    view.UnitObjects = OrderUnits(report, *region->Units, options.UnitOrder);
    for (const TUnit* unit : view.UnitObjects) {
        view.Units.push_back({ unit->GetDescription(options.DisplayOptions), unit->Party,
            categories.Of(unit->Party) });
    }
    if (!view.Units.empty()) {
        const auto own = std::find_if(view.Units.begin(), view.Units.end(),
            [](const CategoryLine& line) { return line.Category == PartyCategory::Own; });
        view.SelectedUnit
            = own != view.Units.end() ? static_cast<int>(own - view.Units.begin()) : 0;
    }
    view.Buildings = ItemLines(report, *region->Buildings, options.DisplayOptions);
    view.Ships = ItemLines(report, *region->Ships, options.DisplayOptions);
    view.Comments = TextLines(*region->Comment);
    view.Passthrough = TextLines(*region->Passthrough);
    view.Statistics = StatisticsOfRegion(report, *region, options.StatisticsParty);
    return view;
}

} // namespace maprune
