// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/units/unit_view.h"

#include <cmath>

#include "core/text_encoding.h"
#include "model/building.h"
#include "model/game_data.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"
#include "tools/units/unit_loads.h"

namespace maprune {

namespace {

constexpr int kCamouflage = 23;

std::string CamouflageText(const TUnit& unit)
{
    const std::string level = std::to_string(TalentLevel(unit, kCamouflage));
    if (unit.Cloak == 0)
        return "inaktiv";
    if (unit.Cloak == -1)
        return "maximum (" + level + ")";
    return "aktiv (" + std::to_string(unit.Cloak) + "/" + level + ")";
}

std::string SizeText(const TUnit& unit)
{
    const int32_t count = unit.Count->CurrentValue();
    return std::to_string(count) + " "
        + DisplayText(
            GameDataInstance().NameForm(unit.Type_, kinds::ItemsAndRaces, count == 1 ? 0 : 1));
}

template <typename List> std::string PlaceText(const List& list, int32_t nr)
{
    for (const auto* item : list) {
        if (item != nullptr && item->Nr == nr)
            return ", " + DisplayText(item->Name) + " (" + DisplayText(item->Type_) + ", "
                + std::to_string(item->Nr) + ")";
    }
    return {};
}

std::string PositionText(const TReport& report, const TUnit& unit)
{
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (const TUnit* other : *region->Units) {
            if (other == nullptr || other->Nr != unit.Nr)
                continue;
            std::string text = RegionDescription(region);
            // On a ship the ship is the position, whatever building it names.
            if (unit.Ship != -1)
                return text + PlaceText(*region->Ships, unit.Ship);
            if (unit.Building != -1)
                return text + PlaceText(*region->Buildings, unit.Building);
            return text;
        }
    }
    return {};
}

} // namespace

UnitView ViewOfUnit(const TReport& report, const TUnit& unit)
{
    UnitView view;
    view.Caption = DisplayText(unit.Name) + " (" + report.FormatNr(unit.Nr) + ")";
    view.Camouflage = CamouflageText(unit);
    view.PartyCamouflage = unit.CloakParty != 0 ? "aktiv" : "inaktiv";
    view.Guards = unit.Observes != 0 ? "ja" : "nein";
    view.Besieges = unit.Besiege != 0 ? "Burg " + std::to_string(unit.Besiege) : "nein";
    view.Size = SizeText(unit);
    const double weight = TotalWeight(unit);
    view.Weight = FormatWeight(2, "GE", weight);
    view.Position = PositionText(report, unit);
    view.LoadLine = "Gesamtgewicht: " + view.Weight
        + ", frei (Reiten): " + FormatWeight(2, "GE", FreeRidingCapacity(unit))
        + ", frei (Führen): " + FormatWeight(2, "GE", FreeLeadingCapacity(unit));
    // The server's figure, in hundredths, checks the computed one.
    if (unit.Weight != -1 && std::llround(weight * 100) != unit.Weight)
        view.Weight += " (laut Server " + FormatWeight(2, "GE", unit.Weight / 100.0) + ")";
    return view;
}

TUnit* FindUnitByNumber(const TReport& report, int32_t nr)
{
    if (nr == -1)
        return nullptr;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (TUnit* unit : *region->Units) {
            if (unit != nullptr && unit->Nr == nr)
                return unit;
        }
    }
    return nullptr;
}

} // namespace maprune
