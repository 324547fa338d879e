// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace maprune {

// Turn t >= 1 falls in month ((t - 1) mod 12) + 1 of year (t - 1) div 12 + 1.

// The German name of the turn's month ("Januar" .. "Dezember", UTF-8);
// empty for a turn below 1.
std::string MonthName(int32_t turn);
// The turn's year; 0 for a turn below 1.
int32_t GameYear(int32_t turn);
// "<month> des Jahres <year>", e.g. "März des Jahres 2" for turn 15; empty
// for a turn below 1.
std::string GameDate(int32_t turn);

} // namespace maprune
