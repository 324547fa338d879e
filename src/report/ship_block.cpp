// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ship.h"
#include "report/block_reading.h"
#include "report/today_blocks.h"

namespace maprune {

void TShip::ReadCR()
{
    Nr = CRInt(*CR, CR->CurrentLine().Params);
    const bool today = ReadsTodayFormat(Owner());
    ReadPropertyValues(*CR, *this, "unknown value for ship: ", [today](const CRToken& token) {
        return today && IsUnusedTodayKey("SCHIFF", token.Key);
    });
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
