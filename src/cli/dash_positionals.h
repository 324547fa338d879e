// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace maprune::cli {

// The command line (without the program name) as `app` is to parse it. An
// argument that begins with "-" but names no option of its command, such as
// the expression "-(3)", is a positional like any other; since CLI11 would
// take it for an unknown option, the options (with their values) are put
// first and every positional after a "--", in their order. A command line
// without such an argument, or with a "--" of its own, stays as it is.
std::vector<std::string> DashPositionalsMarked(
    const CLI::App& app, const std::vector<std::string>& arguments);

} // namespace maprune::cli
