// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace maprune {

// The path of the running program, which the files that live beside the
// program (game reference data, automatic save, log) are found by. main()
// sets it once at start; a relative path is made absolute against the
// current folder at that moment. Empty until set.
void SetProgramPath(const std::filesystem::path& path);
const std::filesystem::path& ProgramPath();

} // namespace maprune
