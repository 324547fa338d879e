// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "model/building.h"
#include "report/block_reading.h"

namespace maprune {

void TBuilding::ReadCR()
{
    Nr = CRInt(*CR, CR->CurrentLine().Params);
    ReadValueLines(*CR, [this](const CRToken& token) {
        const std::string_view key = token.Key;
        if (ReadNamedItemValue(*CR, *this, token))
            return;
        if (key == "Typ")
            Type_ = token.Value;
        else if (key == "Groesse")
            Size->AddValue(Turn, CRInt(*CR, token.Value));
        else if (key == "Besitzer")
            Captain = CRInt(*CR, token.Value);
        else if (key == "Unterhalt")
            Support->AddValue(Turn, CRInt(*CR, token.Value));
        else
            CR->Warning("unknown value for building: " + MessageText(key));
    });
    if (Captain == 0)
        Captain = -1;
    if (Size->HistoryCount() == 0)
        Size->AddValue(Turn, 100);
    if (Support->HistoryCount() == 0)
        Support->AddValue(Turn, 0);
}

} // namespace maprune
