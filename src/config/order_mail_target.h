// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace maprune {

class TReport;
class TSettings;

// Where the order mail goes and what its subject says, as UTF-8.
struct OrderMailTarget {
    std::string Address;
    std::string Subject;
};

// The settings Mail_Commands_Address and Mail_Commands_Subject; each of them
// that still has its default value gives way to what the game server wrote
// in the report's header (mailto, mailcmd), when it wrote anything. A value
// the player set always wins.
OrderMailTarget ChooseOrderMailTarget(const TSettings& settings, const TReport& report);

} // namespace maprune
