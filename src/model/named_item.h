// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "model/report_item.h"

namespace maprune {

// Bits of the unit display options ("Kommentare anzeigen", ...).
enum UnitDisplayOption : unsigned {
    ShowComments = 1u << 0,
    ShowTalents = 1u << 1,
    ShowItems = 1u << 2,
    ShowFightState = 1u << 3,
};

// Common base of units, ships and buildings: numbered, named, owned by a party.
class TNamedItem : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    std::string Name;
    std::string Descr;
    int32_t Nr = -1;
    int32_t Party = -1;

    // One line describing the item for lists, as UTF-8 display text;
    // `displayOptions` are the UnitDisplayOption bits and matter for units only.
    virtual std::string GetDescription(unsigned displayOptions) const;
};

} // namespace maprune
