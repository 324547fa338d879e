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

class TShip : public TNamedItem {
    MAPRUNE_REPORT_CLASS
public:
    int32_t Captain = -1; // captain's unit number
    int32_t Coast = -1;
    SubObject<THistoryInteger> Damage;
    SubObject<THistoryInteger> Load;
    SubObject<THistoryInteger> MaxLoad;
    SubObject<THistoryInteger> Percent;
    std::string Type_;
    // From today's reports: build progress in size points, load and room in
    // hundredths of GE, and the number of ships of a fleet.
    SubObject<THistoryInteger> Size;
    SubObject<THistoryInteger> Cargo;
    SubObject<THistoryInteger> Capacity;
    int32_t Count = 1;

    // The build progress in percent that `size` size points make of this
    // ship's type (its size in the game data is complete), at most 100; -1
    // when the game data gives the type no size.
    int32_t PercentOfSize(int32_t size) const;

    std::string GetDescription(unsigned displayOptions) const override;

    // Reads the class's CR block (src/report).
    void ReadCR(TCRInterface& cr);
};

class TShipList : public TTypedList<TShip> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
