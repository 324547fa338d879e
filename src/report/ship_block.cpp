// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "model/ship.h"
#include "report/block_reading.h"

namespace maprune {

void TShip::ReadCR()
{
    Nr = CRInt(*CR, CR->CurrentLine().Params);
    ReadValueLines(*CR, [this](const CRToken& token) {
        const std::string_view key = token.Key;
        if (ReadNamedItemValue(*CR, *this, token))
            return;
        if (key == "Typ")
            Type_ = token.Value;
        else if (key == "Schaden")
            Damage->AddValue(Turn, CRInt(*CR, token.Value));
        else if (key == "Kapitaen")
            Captain = CRInt(*CR, token.Value);
        else if (key == "Kueste")
            Coast = CRInt(*CR, token.Value);
        else if (key == "Prozent")
            Percent->AddValue(Turn, CRInt(*CR, token.Value));
        else if (key == "Ladung")
            Load->AddValue(Turn, CRInt(*CR, token.Value));
        else if (key == "MaxLadung")
            MaxLoad->AddValue(Turn, CRInt(*CR, token.Value));
        else
            CR->Warning("unknown value for ship: " + MessageText(key));
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
