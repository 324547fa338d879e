// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <utility>

namespace maprune::cli {

namespace {

std::vector<std::string>& Kept()
{
    static std::vector<std::string> arguments;
    return arguments;
}

} // namespace

void KeepCommandLine(std::vector<std::string> arguments)
{
    Kept() = std::move(arguments);
}

const std::vector<std::string>& CommandLine()
{
    return Kept();
}

std::filesystem::path ArgumentPath(const std::string& argument)
{
    return std::filesystem::path(std::u8string(argument.begin(), argument.end()));
}

} // namespace maprune::cli
