// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/party_category.h"

#include <algorithm>

#include "model/allied_parties.h"
#include "model/report.h"

namespace maprune {

PartyCategories::PartyCategories(const TReport& report)
    : FOwn(report.ActiveParty)
{
    if (FOwn != -1)
        FAllied = AlliedParties(report);
}

PartyCategory PartyCategories::Of(int32_t party) const
{
    if (party == -1)
        return PartyCategory::Disguised;
    if (party == FOwn)
        return PartyCategory::Own;
    if (std::binary_search(FAllied.begin(), FAllied.end(), party))
        return PartyCategory::Allied;
    return PartyCategory::Enemy;
}

PartyCategory PartyCategoryOf(const TReport& report, int32_t party)
{
    return PartyCategories(report).Of(party);
}

} // namespace maprune
