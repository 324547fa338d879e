// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace maprune {

// The whole content of the file at `path`. Throws Error when the file cannot
// be opened or read, is a folder, or is larger than `maxBytes` (so that a
// reader of outside input never holds an unbounded amount of memory).
std::string ReadFileBytes(const std::filesystem::path& path, std::uintmax_t maxBytes);

} // namespace maprune
