// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace maprune {

// Splits a parameter text that the user typed for an external program into
// its arguments as a shell would: blanks and tabs separate arguments, double
// quotes group (they may stand inside a word, are removed, and "" is an
// empty argument), an unclosed quote runs to the end. Backslashes are
// ordinary characters, so Windows paths need no doubling.
std::vector<std::string> SplitShellWords(std::string_view text);

} // namespace maprune
