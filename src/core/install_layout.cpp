// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/install_layout.h"

namespace maprune {

namespace {
constexpr const char* kDataFile = "maprune.dat";

bool IsFile(const std::filesystem::path& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}
} // namespace

std::filesystem::path InstalledDataFolder(const std::filesystem::path& programPath)
{
    return (programPath.parent_path() / MAPRUNE_DATA_RELATIVE_DIR).lexically_normal();
}

bool RunsFromInstalledTree(const std::filesystem::path& programPath)
{
    if (programPath.empty())
        return false;
    return !IsFile(programPath.parent_path() / kDataFile)
        && IsFile(InstalledDataFolder(programPath) / kDataFile);
}

} // namespace maprune
