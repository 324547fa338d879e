// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/party_category.h"

namespace maprune {

class TReport;

// One line of a list window that belongs to a party: its text (UTF-8) and
// the category it is drawn in.
struct CategoryLine {
    std::string Text;
    int32_t Party = -1;
    PartyCategory Category = PartyCategory::Enemy;
};

// A line of a party before it is entered.
struct PartyText {
    std::string Text;
    int32_t Party = -1;
};

// The lines entered by category: own, allied, disguised, enemy, and inside
// a category by ascending party number; lines of one party keep their
// order.
std::vector<CategoryLine> LinesByCategory(const TReport& report, std::vector<PartyText> lines);

} // namespace maprune
