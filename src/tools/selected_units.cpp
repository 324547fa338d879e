// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/selected_units.h"

#include "model/report.h"

namespace maprune {

std::vector<CategoryLine> SelectedUnitLines(const TReport& report, unsigned displayOptions)
{
    std::vector<PartyText> lines;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr || (region->Tag() & TagSelected) == 0)
            continue;
        for (const TUnit* unit : *region->Units) {
            if (unit != nullptr)
                lines.push_back({ unit->GetDescription(displayOptions), unit->Party });
        }
    }
    return LinesByCategory(report, std::move(lines));
}

} // namespace maprune
