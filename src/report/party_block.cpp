// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "model/report.h"
#include "report/block_reading.h"
#include "report/list_forms.h"
#include "report/today_blocks.h"

namespace maprune {

void TParty::ReadCR(TCRInterface& cr)
{
    TReport& report = *Owner();
    Migrants = -1;
    MaxMigrants = -1;
    Nr = CRInt(cr, cr.CurrentLine().Params);

    const bool today = ReadsTodayFormat(&report);
    ReadPropertyValues(cr, *this,
        "Unbekannter Wert für Partei: ", [this, &cr, &report, today](const CRToken& token) {
            if (today && IsUnusedTodayKey("PARTEI", token.Key))
                return true;
            if (token.Key != "Runde")
                return false;
            Turn = CRInt(cr, token.Value);
            report.Turn = Turn;
            return true;
        });

    // Spells and potions of the party's report belong to the report.
    ReadPropertyBlocks(cr, *this, [this, &cr, &report, today](std::string_view block) {
        const bool numbered = !cr.CurrentLine().Params.empty();
        if (today && block == "MESSAGE") {
            CRMessage message = ReadMessage(cr);
            if (!message.Text.empty())
                cr.Pending.PartyMessages.push_back(
                    { this, std::move(message.Type), std::move(message.Text) });
        } else if (today && block == "ZAUBER" && numbered) {
            ReadSpellEntry(cr, report);
        } else if (today && block == "GEGENSTAENDE") {
            // The party's item pool has no place in the model.
            SkipUnusedBlock(cr);
        } else if (block == "ZAUBER") {
            ReadSpellList(cr, report, *report.Spells);
        } else if (block == "TRAENKE") {
            ReadPotionList(cr, report, *report.Potions);
        } else if (block == "SPRUCH" || block == "TRANK") {
            ReadPropertyBlock(cr, report, block, Turn);
        } else if (block == "ALLIIERTE") {
            ReadAllyList(cr, report, *Allies);
        } else if (block == "ADRESSEN") {
            ReadAddressList(cr, report, *report.Parties);
        } else {
            return false;
        }
        return true;
    });
}

void TAlly::ReadCR(TCRInterface& cr)
{
    Party = CRInt(cr, cr.CurrentLine().Params);
    ReadPropertyValues(cr, *this, "unbekannter Wert für Allianz: ");
}

} // namespace maprune
