// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/selected_units.h"

#include <algorithm>

#include "model/allied_parties.h"
#include "model/report.h"

namespace maprune {

namespace {

UnitGroup GroupOf(const TReport& report, const std::vector<int32_t>& allied, int32_t party)
{
    if (party == report.ActiveParty)
        return UnitGroup::Own;
    if (std::binary_search(allied.begin(), allied.end(), party))
        return UnitGroup::Allied;
    if (party == -1)
        return UnitGroup::Hidden;
    return UnitGroup::Other;
}

} // namespace

UnitGroup UnitGroupOf(const TReport& report, int32_t party)
{
    return GroupOf(report, AlliedParties(report), party);
}

std::vector<SelectedUnitLine> SelectedUnitLines(const TReport& report, unsigned displayOptions)
{
    const std::vector<int32_t> allied = AlliedParties(report);
    std::vector<SelectedUnitLine> lines;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr || (region->Tag() & TagSelected) == 0)
            continue;
        for (const TUnit* unit : *region->Units) {
            if (unit == nullptr)
                continue;
            lines.push_back({ GroupOf(report, allied, unit->Party), unit->Party,
                unit->GetDescription(displayOptions) });
        }
    }
    // Stable, so that the lines of one party keep region and unit order.
    std::stable_sort(
        lines.begin(), lines.end(), [](const SelectedUnitLine& a, const SelectedUnitLine& b) {
            if (a.Group != b.Group)
                return a.Group < b.Group;
            return a.Party < b.Party;
        });
    return lines;
}

} // namespace maprune
