// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/building.h"
#include "report/block_reading.h"

namespace maprune {

void TBuilding::ReadCR(TCRInterface& cr)
{
    Nr = CRInt(cr, cr.CurrentLine().Params);
    ReadPropertyValues(cr, *this, "unknown value for building: ");
    if (Captain == 0)
        Captain = -1;
    if (Size->HistoryCount() == 0)
        Size->AddValue(Turn, 100);
    if (Support->HistoryCount() == 0)
        Support->AddValue(Turn, 0);
}

} // namespace maprune
