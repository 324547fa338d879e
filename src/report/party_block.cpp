// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "model/report.h"
#include "report/block_reading.h"
#include "report/list_forms.h"

namespace maprune {

void TParty::ReadCR()
{
    TReport& report = *Owner();
    Migrants = -1;
    MaxMigrants = -1;
    Nr = CRInt(*CR, CR->CurrentLine().Params);

    ReadPropertyValues(
        *CR, *this, "Unbekannter Wert für Partei: ", [this, &report](const CRToken& token) {
            if (token.Key != "Runde")
                return false;
            Turn = CRInt(*CR, token.Value);
            report.Turn = Turn;
            return true;
        });

    // Spells and potions of the party's report belong to the report.
    ReadPropertyBlocks(*CR, *this, [this, &report](std::string_view block) {
        if (block == "ZAUBER")
            ReadSpellList(*CR, report, *report.Spells);
        else if (block == "TRAENKE")
            ReadPotionList(*CR, report, *report.Potions);
        else if (block == "SPRUCH" || block == "TRANK")
            ReadPropertyBlock(*CR, report, block, Turn);
        else if (block == "ALLIIERTE")
            ReadAllyList(*CR, report, *Allies);
        else if (block == "ADRESSEN")
            ReadAddressList(*CR, report, *report.Parties);
        else
            return false;
        return true;
    });
}

void TAlly::ReadCR()
{
    Party = CRInt(*CR, CR->CurrentLine().Params);
    ReadPropertyValues(*CR, *this, "unbekannter Wert für Allianz: ");
}

} // namespace maprune
