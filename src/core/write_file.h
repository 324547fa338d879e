// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace maprune {

// Runs `write` with the path of a new temporary file in the folder of `path`
// and renames that file over `path` once `write` has returned: only a
// complete file ever replaces the former one. When `write` throws or the
// rename fails, the temporary file is removed and the failure propagates
// (a failed rename as Error), leaving `path` as it was. `write` must have
// closed the temporary file when it returns.
void ReplaceFileAtomically(const std::filesystem::path& path,
                           const std::function<void(const std::filesystem::path&)>& write);

// Writes `bytes` to `path` through ReplaceFileAtomically. Throws Error on
// failure.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace maprune
