// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace maprune::cli {

// The arguments the program was started with (UTF-8), the program's own name first;
// main() keeps them for a verb that hands the whole command to another
// program.
void KeepCommandLine(std::vector<std::string> arguments);
const std::vector<std::string>& CommandLine();

} // namespace maprune::cli
