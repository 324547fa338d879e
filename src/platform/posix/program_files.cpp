// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program_files.h"

namespace maprune {

const char* const kKCheckFileName = "kcheck";
const char* const kVorlageFileName = "vorlage";

// The name it was started by: a symbolic link to the program keeps the
// link's folder, where an installation may put the program's data.
std::filesystem::path RunningProgramFile(const char* argv0)
{
    return argv0;
}

} // namespace maprune
