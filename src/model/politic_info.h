// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>

#include "model/lines.h"
#include "model/report_item_list.h"
#include "model/sub_object.h"

namespace maprune {

class TRegion;
class TReport;

// The political summary of one party in one region for one turn. Turn (the
// inherited field) is the turn the summary belongs to; RTurn the turn in
// which its figures were observed. Data holds four lines: "-1", armed
// persons, persons, guarding persons.
class TPoliticInfo : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    enum DataLine { Unused = 0, Armed = 1, Persons = 2, Guards = 3 };

    int32_t Party = -1;
    int32_t RTurn = -1;
    SubObject<TLines> Data;

    // The summary of `party` in `region` for the region's ReadTurn, counted
    // from the region's units or carried over from the party's newest
    // earlier summary there; added to the region's Politic list.
    static TPoliticInfo& CreateForParty(TReport* owner, int32_t party, TRegion& region);

    // Line `line` of Data as a number (-1 when absent or not a number).
    int32_t DataValue(DataLine line) const;

protected:
    void InitFields() override;
};

class TPoliticInfoList : public TTypedList<TPoliticInfo> {
    MAPRUNE_REPORT_CLASS
};

} // namespace maprune
