// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "model/party_category.h"

namespace maprune {

// How the colour list draws one line: colours as 0xRRGGBB, the indent in
// pixels.
struct ListScheme {
    uint32_t Background;
    uint32_t Text;
    uint32_t SelectedBackground;
    uint32_t SelectedText;
    int Indent;
};

// The five fixed schemes: plain, and one for each party category.
inline constexpr ListScheme kPlainScheme { 0xFFFFFF, 0x000000, 0x000080, 0xFFFFFF, 0 };
inline constexpr ListScheme kOwnScheme { 0x8080FF, 0x000000, 0x000080, 0xFFFFFF, 0 };
inline constexpr ListScheme kAlliedScheme { 0x80FF80, 0x000000, 0x008000, 0xFFFFFF, 0 };
inline constexpr ListScheme kDisguisedScheme { 0xFFFF80, 0x000000, 0x808000, 0xFFFFFF, 0 };
inline constexpr ListScheme kEnemyScheme { 0xFF8080, 0x000000, 0x800000, 0xFFFFFF, 0 };

constexpr const ListScheme& SchemeOf(PartyCategory category)
{
    switch (category) {
    case PartyCategory::Own:
        return kOwnScheme;
    case PartyCategory::Allied:
        return kAlliedScheme;
    case PartyCategory::Disguised:
        return kDisguisedScheme;
    case PartyCategory::Enemy:
        break;
    }
    return kEnemyScheme;
}

} // namespace maprune
