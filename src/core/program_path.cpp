// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program_path.h"

namespace maprune {

namespace {
std::filesystem::path& StoredProgramPath()
{
    static std::filesystem::path path;
    return path;
}
} // namespace

void SetProgramPath(const std::filesystem::path& path)
{
    std::error_code ec;
    std::filesystem::path absolute = path.empty() ? path : std::filesystem::absolute(path, ec);
    StoredProgramPath() = ec ? path : absolute;
}

const std::filesystem::path& ProgramPath()
{
    return StoredProgramPath();
}

} // namespace maprune
