// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/history_integer.h"
#include "model/named_item.h"
#include "model/report_item_list.h"
#include "model/sub_object.h"

namespace maprune {

class TBuilding : public TNamedItem {
    MAPRUNE_REPORT_CLASS
public:
    int32_t Captain = -1; // owner unit
    SubObject<THistoryInteger> Size;
    SubObject<THistoryInteger> Support; // upkeep
    std::string Type_;

    std::string GetDescription(unsigned displayOptions) const override;

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

class TBuildingList : public TTypedList<TBuilding> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
