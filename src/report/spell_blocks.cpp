// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/spells.h"
#include "report/block_reading.h"

namespace maprune {

void TSpell::ReadCR(TCRInterface& cr)
{
    Nr = CRInt(cr, cr.CurrentLine().Params);
    ReadPropertyValues(cr, *this, "Unbekannter Wert für Spruch: ");
}

void TPotion::ReadCR(TCRInterface& cr)
{
    Nr = CRInt(cr, cr.CurrentLine().Params);
    ReadPropertyValues(cr, *this, "unbekannter Wert für Trank: ");
}

} // namespace maprune
