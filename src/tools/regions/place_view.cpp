// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/regions/place_view.h"

#include <cstdint>

#include "core/text_encoding.h"
#include "model/building.h"
#include "model/party_category.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"
#include "tools/lines/line_number.h"

namespace maprune {

namespace {

template <typename Item> struct Found {
    const Item* Object = nullptr;
    const TRegion* Region = nullptr;
};

template <typename Item, typename ListOf>
Found<Item> FindInRegions(const TReport& report, std::string_view line, ListOf list)
{
    const int32_t nr = NumberInLine(line, report.Basis);
    if (nr == -1)
        return {};
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (const Item* item : *list(*region)) {
            if (item != nullptr && item->Nr == nr)
                return { item, region };
        }
    }
    return {};
}

class Lines {
public:
    Lines(const TReport& report, unsigned options)
        : FCategories(report)
        , FOptions(options)
    {
    }
    void Plain(std::string text) { FLines.push_back({ std::move(text), kPlainScheme, false }); }
    void Unit(const TUnit& unit)
    {
        FLines.push_back(
            { unit.GetDescription(FOptions), SchemeOf(FCategories.Of(unit.Party)), true });
    }
    std::vector<PlaceLine> Take() { return std::move(FLines); }

private:
    PartyCategories FCategories;
    unsigned FOptions;
    std::vector<PlaceLine> FLines;
};

// The owner first (wherever its own field points), then the others that
// name `nr` in `field`.
template <typename Field>
std::vector<const TUnit*> Occupants(const TRegion& region, int32_t captain, int32_t nr, Field field)
{
    std::vector<const TUnit*> units;
    for (const TUnit* unit : *region.Units) {
        if (unit != nullptr && unit->Nr == captain)
            units.push_back(unit);
    }
    for (const TUnit* unit : *region.Units) {
        if (unit != nullptr && unit->*field == nr && unit->Nr != captain)
            units.push_back(unit);
    }
    return units;
}

} // namespace

PlaceView ViewOfBuildingLine(const TReport& report, std::string_view line, unsigned displayOptions)
{
    const auto found = FindInRegions<TBuilding>(
        report, line, [](const TRegion& region) { return &*region.Buildings; });
    if (found.Object == nullptr)
        return {};
    const TBuilding& building = *found.Object;
    PlaceView view;
    view.Caption = DisplayText(building.Name) + " (" + report.FormatNr(building.Nr) + ", "
        + DisplayText(building.Type_) + ")";
    Lines lines(report, displayOptions);
    int64_t room = building.Size->CurrentValue();
    bool full = false;
    for (const TUnit* unit :
        Occupants(*found.Region, building.Captain, building.Nr, &TUnit::Building)) {
        if (!full) {
            const int32_t persons = unit->Count->CurrentValue();
            if (persons <= room) {
                room -= persons;
            } else {
                lines.Plain("die folgenden Einheiten profitieren nicht mehr vom Gebäude");
                full = true;
            }
        }
        lines.Unit(*unit);
    }
    if (room > 0) {
        lines.Plain("es ist noch Platz für " + std::to_string(room)
            + (room == 1 ? " Person" : " Personen"));
    }
    view.Lines = lines.Take();
    return view;
}

PlaceView ViewOfShipLine(const TReport& report, std::string_view line, unsigned displayOptions)
{
    const auto found
        = FindInRegions<TShip>(report, line, [](const TRegion& region) { return &*region.Ships; });
    if (found.Object == nullptr)
        return {};
    const TShip& ship = *found.Object;
    PlaceView view;
    view.Caption = DisplayText(ship.Name) + " (" + std::to_string(ship.Nr) + ", "
        + DisplayText(ship.Type_) + ")";
    Lines lines(report, displayOptions);
    const int32_t percent = ship.Percent->CurrentValue();
    if (percent < 100)
        lines.Plain("das Schiff ist erst zu " + std::to_string(percent) + "% fertiggestellt");
    const int32_t damage = ship.Damage->CurrentValue();
    if (damage > 0)
        lines.Plain("das Schiff ist zu " + std::to_string(damage) + "% beschädigt");
    for (const TUnit* unit : Occupants(*found.Region, ship.Captain, ship.Nr, &TUnit::Ship))
        lines.Unit(*unit);
    const int64_t load = ship.Load->CurrentValue();
    const int64_t maxLoad = ship.MaxLoad->CurrentValue();
    const std::string of = " von " + std::to_string(maxLoad) + " GE)";
    // Without a known capacity there is no share to give, only the load.
    if (load < maxLoad && maxLoad > 0) {
        lines.Plain("es sind noch " + std::to_string((maxLoad - load) * 100 / maxLoad) + "% ("
            + std::to_string(maxLoad - load) + of + " des Schiffes frei");
    } else if (load > maxLoad && maxLoad > 0) {
        lines.Plain("Achtung: das Schiff ist zu " + std::to_string((load - maxLoad) * 100 / maxLoad)
            + "% (" + std::to_string(load - maxLoad) + of + " überladen");
    } else if (maxLoad <= 0 && load > 0) {
        lines.Plain("das Schiff hat " + std::to_string(load) + " GE geladen");
    }
    view.Lines = lines.Take();
    return view;
}

} // namespace maprune
