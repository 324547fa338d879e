// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/history_integer.h"
#include "model/named_item.h"
#include "model/report_item_list.h"

namespace maprune {

class TShip : public TNamedItem {
    MAPRUNE_REPORT_CLASS
public:
    int32_t Captain = -1; // captain's unit number
    int32_t Coast = -1;
    std::unique_ptr<THistoryInteger> Damage;
    std::unique_ptr<THistoryInteger> Load;
    std::unique_ptr<THistoryInteger> MaxLoad;
    std::unique_ptr<THistoryInteger> Percent;
    std::string Type_;

    std::string GetDescription(unsigned displayOptions) const override;

protected:
    // Reads the class's CR block (src/report).
    void ReadCR() override;
};

class TShipList : public TTypedList<TShip> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
