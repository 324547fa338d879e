// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/game_date.h"

#include <array>

namespace maprune {

std::string MonthName(int32_t turn)
{
    static constexpr std::array<const char*, 12> kMonths { "Januar", "Februar", "März", "April",
        "Mai", "Juni", "Juli", "August", "September", "Oktober", "November", "Dezember" };
    if (turn < 1)
        return {};
    return kMonths[static_cast<size_t>((turn - 1) % 12)];
}

int32_t GameYear(int32_t turn)
{
    return turn < 1 ? 0 : (turn - 1) / 12 + 1;
}

std::string GameDate(int32_t turn)
{
    if (turn < 1)
        return {};
    return MonthName(turn) + " des Jahres " + std::to_string(GameYear(turn));
}

} // namespace maprune
