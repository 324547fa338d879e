// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/allied_parties.h"

#include <algorithm>

#include "model/report.h"

namespace maprune {

std::vector<int32_t> AlliedParties(const TReport& report)
{
    std::vector<int32_t> allied;
    const TParty* own = report.FindParty(report.ActiveParty);
    if (own == nullptr)
        return allied;
    for (const TAlly* ally : *own->Allies) {
        if (ally != nullptr)
            allied.push_back(ally->Party);
    }
    std::sort(allied.begin(), allied.end());
    return allied;
}

} // namespace maprune
