// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace maprune::cli {

// The arguments the program was started with (UTF-8), the program's own name first;
// main() keeps them for a verb that hands the whole command to another
// program.
void KeepCommandLine(std::vector<std::string> arguments);
const std::vector<std::string>& CommandLine();

// A file named on the command line: the argument is UTF-8 (see
// Utf8Arguments), which a path takes as such only from UTF-8 text.
std::filesystem::path ArgumentPath(const std::string& argument);

} // namespace maprune::cli
