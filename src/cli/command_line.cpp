// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

namespace maprune::cli {

namespace {

std::vector<std::string>& Kept()
{
    static std::vector<std::string> arguments;
    return arguments;
}

} // namespace

void KeepCommandLine(int argc, const char* const* argv)
{
    Kept().assign(argv, argv + argc);
}

const std::vector<std::string>& CommandLine()
{
    return Kept();
}

} // namespace maprune::cli
