// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "model/report_item_list.h"

namespace maprune {

// A spell known to a party.
class TSpell : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    int32_t Nr = 0;
    std::string Spell; // the spell's name
    int32_t Level = 0; // -1 when the list form gives none
    std::string Descr;

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

// A potion known to a party.
class TPotion : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    int32_t Nr = 0;
    std::string Potion;
    int32_t Level = 0;
    std::string Ingredients; // several ingredient lines joined with one blank
    std::string Descr;

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

class TSpells : public TTypedList<TSpell> {
    MAPRUNE_REPORT_CLASS
};

class TPotions : public TTypedList<TPotion> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
