// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace maprune {

// The running program's own file: the system's record of it where there is
// one (right whatever characters its path holds), else `argv0`.
std::filesystem::path RunningProgramFile(const char* argv0);

// The file names of the helper programs that are looked for beside Maprune
// when the settings name none.
extern const char* const kKCheckFileName;
extern const char* const kVorlageFileName;

} // namespace maprune
