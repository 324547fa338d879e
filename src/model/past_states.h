// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/entry_lists.h"
#include "model/report_item_list.h"
#include "model/sub_object.h"

namespace maprune {

// How many of the newest turns that earlier states are recorded for a
// database keeps by default (the setting "ChangesPastTurns"); a merge drops
// the older ones.
inline constexpr int32_t kPastTurnsKept = 10;

// What a merge keeps of a unit or ship beyond its histories: its state in
// turn `Turn`, recorded when a report of another turn showed it elsewhere,
// under another party or (own units) with other items, or no longer showed
// it. The state of a turn t is that of the record of the object with the
// smallest Turn >= t, or without one the object's present state.
class TPastObject : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    enum ObjectKind : int32_t { Unit = 0, Ship = 1 };

    int32_t Kind = Unit;
    int32_t Nr = -1;
    std::string Name;
    std::string Type_; // a ship's type
    int32_t Party = -1; // -1 unknown
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Z = 0;
    int32_t Persons = -1; // units, -1 unknown
    int32_t Gone = 0; // 1: the report of the next turn no longer showed it
    int32_t ItemsKnown = 0; // 1: an own unit seen from the own party's view
    SubObject<TItems> Items; // when ItemsKnown
};

class TPastObjectList : public TTypedList<TPastObject> {
    MAPRUNE_REPORT_CLASS
};

// The market prices of the region at (X, Y, Z) in turn `Turn`, recorded
// when a report of another turn showed other ones.
class TPastPrices : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Z = 0;
    SubObject<TPrices> Prices;
};

class TPastPricesList : public TTypedList<TPastPrices> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
