// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "model/report.h"
#include "report/block_reading.h"
#include "report/list_forms.h"
#include "report/today_blocks.h"

namespace maprune {

void TParty::ReadCR()
{
    TReport& report = *Owner();
    Migrants = -1;
    MaxMigrants = -1;
    Nr = CRInt(*CR, CR->CurrentLine().Params);

    const bool today = ReadsTodayFormat(&report);
    ReadPropertyValues(
        *CR, *this, "Unbekannter Wert für Partei: ", [this, &report, today](const CRToken& token) {
            if (today && IsUnusedTodayKey("PARTEI", token.Key))
                return true;
            if (token.Key != "Runde")
                return false;
            Turn = CRInt(*CR, token.Value);
            report.Turn = Turn;
            return true;
        });

    // Spells and potions of the party's report belong to the report.
    ReadPropertyBlocks(*CR, *this, [this, &report, today](std::string_view block) {
        const bool numbered = !CR->CurrentLine().Params.empty();
        if (today && block == "MESSAGE") {
            CRMessage message = ReadMessage(*CR);
            if (!message.Text.empty())
                CR->Pending.PartyMessages.push_back(
                    { this, std::move(message.Type), std::move(message.Text) });
        } else if (today && block == "ZAUBER" && numbered) {
            ReadSpellEntry(*CR, report);
        } else if (today && block == "GEGENSTAENDE") {
            // The party's item pool has no place in the model.
            SkipUnusedBlock(*CR);
        } else if (block == "ZAUBER") {
            ReadSpellList(*CR, report, *report.Spells);
        } else if (block == "TRAENKE") {
            ReadPotionList(*CR, report, *report.Potions);
        } else if (block == "SPRUCH" || block == "TRANK") {
            ReadPropertyBlock(*CR, report, block, Turn);
        } else if (block == "ALLIIERTE") {
            ReadAllyList(*CR, report, *Allies);
        } else if (block == "ADRESSEN") {
            ReadAddressList(*CR, report, *report.Parties);
        } else {
            return false;
        }
        return true;
    });
}

void TAlly::ReadCR()
{
    Party = CRInt(*CR, CR->CurrentLine().Params);
    ReadPropertyValues(*CR, *this, "unbekannter Wert für Allianz: ");
}

} // namespace maprune
