// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string_view>

namespace maprune {

// Writes `bytes` to `path` through a temporary file in the same folder that
// is renamed over `path` only once it was written completely, so a failed
// write leaves the former file as it was. Throws Error on failure.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace maprune
