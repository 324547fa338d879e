// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ship.h"
#include "report/block_reading.h"
#include "report/ship_values.h"
#include "report/today_blocks.h"

namespace maprune {

namespace {

void RecordIfEmpty(THistoryInteger& value, int32_t date, std::optional<int32_t> derived)
{
    if (value.HistoryCount() == 0 && derived)
        value.AddValue(date, *derived);
}

} // namespace

void TShip::ReadCR(TCRInterface& cr)
{
    Nr = CRInt(cr, cr.CurrentLine().Params);
    const bool today = ReadsTodayFormat(Owner());
    ReadPropertyValues(cr, *this, "unknown value for ship: ", [today](const CRToken& token) {
        return today && IsUnusedTodayKey("SCHIFF", token.Key);
    });
    // Today's reports give progress, load and room only in their own keys.
    RecordIfEmpty(*Percent, Turn, PercentFromSize(*this));
    RecordIfEmpty(*Load, Turn, WholeWeightUnits(Cargo.Read()));
    RecordIfEmpty(*MaxLoad, Turn, WholeWeightUnits(Capacity.Read()));
    if (Damage->HistoryCount() == 0)
        Damage->AddValue(Turn, 0);
    if (Percent->HistoryCount() == 0)
        Percent->AddValue(Turn, 100);
    if (Load->HistoryCount() == 0)
        Load->AddValue(Turn, 0);
    if (MaxLoad->HistoryCount() == 0)
        MaxLoad->AddValue(Turn, 100);
}

} // namespace maprune
