// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "model/spells.h"
#include "report/block_reading.h"

namespace maprune {

void TSpell::ReadCR()
{
    Nr = CRInt(*CR, CR->CurrentLine().Params);
    ReadValueLines(*CR, [this](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Name")
            Spell = token.Value;
        else if (key == "Stufe")
            Level = CRInt(*CR, token.Value);
        else if (key == "Beschr")
            Descr = token.Value;
        else
            CR->Warning("Unbekannter Wert für Spruch: " + MessageText(key));
    });
}

void TPotion::ReadCR()
{
    Nr = CRInt(*CR, CR->CurrentLine().Params);
    ReadValueLines(*CR, [this](const CRToken& token) {
        const std::string_view key = token.Key;
        if (key == "Name")
            Potion = token.Value;
        else if (key == "Stufe")
            Level = CRInt(*CR, token.Value);
        else if (key == "Zutat")
            AppendIngredient(Ingredients, token.Value);
        else if (key == "Beschr")
            Descr = token.Value;
        else
            CR->Warning("unbekannter Wert für Trank: " + MessageText(key));
    });
}

} // namespace maprune
