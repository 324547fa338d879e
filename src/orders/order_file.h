// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "orders/text_lines.h"

namespace maprune {

class Dialogs;
class TReport;

inline constexpr const char* kNoActivePartyMessage = "Fehler: keine Partei aktiviert";

// The order file of the report's active party: the PARTEI line and the
// checker's options, one block per region holding units of the party (in
// the report's order) with each such unit's line and its orders, and
// "NAECHSTER". Without an active party it shows kNoActivePartyMessage
// (information, OK) and returns no lines, which callers treat as failure.
TextLines BuildOrderFile(const TReport& report, Dialogs& dialogs);

// One order as the order file holds it, after the indentation: each word of
// `order` (cut at single blanks) that holds a "~" is written in double
// quotes with its "~" turned into blanks; a line without "~" is unchanged.
std::string QuoteTildeWords(std::string_view order);

} // namespace maprune
