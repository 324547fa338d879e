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

    ReadValueLines(*CR, [this, &report](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Runde") {
            Turn = CRInt(*CR, token.Value);
            report.Turn = Turn;
        } else if (key == "banner") {
            Banner = token.Value;
        } else if (key == "email") {
            EMail = token.Value;
        } else if (key == "Passwort") {
            Password = token.Value;
        } else if (key == "Punkte") {
            Points->AddValue(Turn, CRInt(*CR, token.Value));
        } else if (key == "Punktedurchschnitt") {
            PointAverage->AddValue(Turn, CRInt(*CR, token.Value));
        } else if (key == "Typus" || key == "race" || key == "Typ") {
            Type_ = token.Value;
        } else if (key == "Rekrutierungskosten") {
            RecruteCosts = CRInt(*CR, token.Value);
        } else if (key == "Anzahl Personen") {
            Persons->AddValue(Turn, CRInt(*CR, token.Value));
        } else if (key == "Anzahl Immigranten") {
            Migrants = CRInt(*CR, token.Value);
        } else if (key == "Max. Immigranten") {
            MaxMigrants = CRInt(*CR, token.Value);
        } else if (key == "Parteiname") {
            Name = token.Value;
        } else if (key == "Optionen") {
            Options = CRInt(*CR, token.Value);
        } else {
            CR->Warning("Unbekannter Wert für Partei: " + MessageText(key));
        }
    });

    ReadSubBlocks(*CR, &report, [this, &report](std::string_view block) {
        if (block == "ZAUBER")
            ReadSpellList(*CR, report, *report.Spells);
        else if (block == "TRAENKE")
            ReadPotionList(*CR, report, *report.Potions);
        else if (block == "SPRUCH")
            report.Spells->Add(CreateFromCR<TSpell>(*CR, &report, Turn));
        else if (block == "TRANK")
            report.Potions->Add(CreateFromCR<TPotion>(*CR, &report, Turn));
        else if (block == "ALLIIERTE")
            ReadAllyList(*CR, report, *Allies);
        else if (block == "ALLIANZ")
            Allies->Add(CreateFromCR<TAlly>(*CR, &report, Turn));
        else if (block == "ADRESSEN")
            ReadAddressList(*CR, report, *report.Parties);
        else if (block == "MELDUNGEN")
            ReplaceItem(Messages, CreateFromCR<TLines>(*CR, &report, Turn));
        else if (block == "EINKOMMEN")
            ReplaceItem(Income, CreateFromCR<TLines>(*CR, &report, Turn));
        else if (block == "BEWEGUNGEN")
            ReplaceItem(Movements, CreateFromCR<TLines>(*CR, &report, Turn));
        else if (block == "PRODUKTION")
            ReplaceItem(Production, CreateFromCR<TLines>(*CR, &report, Turn));
        else if (block == "EREIGNISSE")
            ReplaceItem(Events, CreateFromCR<TLines>(*CR, &report, Turn));
        else if (block == "HANDEL")
            ReplaceItem(Tradings, CreateFromCR<TLines>(*CR, &report, Turn));
        else if (block == "KAEMPFE")
            ReplaceItem(Fights, CreateFromCR<TLines>(*CR, &report, Turn));
        else
            return false;
        return true;
    });
}

void TAlly::ReadCR()
{
    Party = CRInt(*CR, CR->CurrentLine().Params);
    ReadValueLines(*CR, [this](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Parteiname")
            Name = token.Value;
        else if (key == "Status")
            State = CRInt(*CR, token.Value);
        else
            CR->Warning("unbekannter Wert für Allianz: " + MessageText(key));
    });
}

} // namespace maprune
