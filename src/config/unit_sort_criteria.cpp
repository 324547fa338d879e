// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/unit_sort_criteria.h"

#include <utility>

#include "config/text_case.h"
#include "core/error.h"

namespace maprune {

void UnitSortCriteria::Register(std::string name)
{
    if (Find(name))
        throw Error("UnitSortCriteria.Register: duplicate criterion \"" + name + "\"");
    FNames.push_back(std::move(name));
}

std::optional<std::size_t> UnitSortCriteria::Find(std::string_view name) const
{
    for (std::size_t i = 0; i < FNames.size(); ++i) {
        if (EqualsIgnoringAsciiCase(FNames[i], name))
            return i;
    }
    return std::nullopt;
}

UnitSortCriteria ProgramUnitSortCriteria()
{
    UnitSortCriteria criteria;
    criteria.Register("nach Allianzstatus (eigene - verbündete - getarnte - feindliche Einheiten)");
    criteria.Register("nach Allianzstatus (feindliche - getarnte - verbündete - eigene Einheiten)");
    criteria.Register("nach Einheitengröße (absteigend)");
    criteria.Register("nach Name des besten Talents (aufsteigend)");
    criteria.Register("nach Parteinummer (aufsteigend)");
    criteria.Register("nach Wert des besten Talents (absteigend)");
    criteria.Register("nach Name der Einheit (aufsteigend)");
    return criteria;
}

} // namespace maprune
