// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/console.h"

#include <unistd.h>

#include <cstdio>

namespace maprune {

void UseUtf8Console() { }

std::vector<std::string> Utf8Arguments(int argc, const char* const* argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

bool StdinIsTerminal()
{
    return ::isatty(fileno(stdin)) != 0;
}

} // namespace maprune
