// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/spells.h"
#include "report/block_reading.h"

namespace maprune {

void TSpell::ReadCR()
{
    Nr = CRInt(*CR, CR->CurrentLine().Params);
    ReadPropertyValues(*CR, *this, "Unbekannter Wert für Spruch: ");
}

void TPotion::ReadCR()
{
    Nr = CRInt(*CR, CR->CurrentLine().Params);
    ReadPropertyValues(*CR, *this, "unbekannter Wert für Trank: ");
}

} // namespace maprune
