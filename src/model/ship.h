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
    // From today's reports: build progress in size points, load and room in
    // hundredths of GE, and the number of ships of a fleet.
    std::unique_ptr<THistoryInteger> Size;
    std::unique_ptr<THistoryInteger> Cargo;
    std::unique_ptr<THistoryInteger> Capacity;
    int32_t Count = 1;

    // The build progress in percent that `size` size points make of this
    // ship's type (its size in the game data is complete), at most 100; -1
    // when the game data gives the type no size.
    int32_t PercentOfSize(int32_t size) const;

    std::string GetDescription(unsigned displayOptions) const override;

protected:
    // Reads the class's CR block (src/report).
    void ReadCR() override;
};

class TShipList : public TTypedList<TShip> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
