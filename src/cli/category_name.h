// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/party_category.h"

namespace maprune::cli {

// How the verbs that print list lines name a line's category.
inline const char* CategoryName(PartyCategory category)
{
    switch (category) {
    case PartyCategory::Own:
        return "eigen";
    case PartyCategory::Allied:
        return "verbündet";
    case PartyCategory::Disguised:
        return "getarnt";
    case PartyCategory::Enemy:
        break;
    }
    return "feindlich";
}

} // namespace maprune::cli
