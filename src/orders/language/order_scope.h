// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/numbers.h"

namespace maprune {

// A unit, building or ship that orders may name by number.
struct NumberedName {
    int32_t Nr = 0;
    std::string Number; // as the report writes it
    std::string Name; // UTF-8
};

// What the orders of one unit can refer to: the region it stands in (when
// known, numbers of units, buildings and ships are checked against it) and
// the unit's own things. Texts are UTF-8.
struct OrderScope {
    bool Known = false;
    int32_t Base = kDefaultBasis;
    std::vector<NumberedName> Units;
    std::vector<NumberedName> Buildings;
    std::vector<NumberedName> Ships;
    std::vector<std::string> Temps; // numbers of the TEMP units made in the region
    std::vector<std::string> OwnItems; // the unit's items, for completion first
};

} // namespace maprune
