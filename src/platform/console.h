// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace maprune {

// The command-line programs' side of the console, whose text is UTF-8
// throughout the program. On Windows the console's code page and the
// command line are the system's own, so both are changed or converted;
// elsewhere they are UTF-8 already.

// Makes the console show the program's UTF-8 output as such.
void UseUtf8Console();

// The program's arguments, its own name first, as UTF-8.
std::vector<std::string> Utf8Arguments(int argc, const char* const* argv);

// Whether standard input is a terminal (someone can answer a question).
bool StdinIsTerminal();

} // namespace maprune
