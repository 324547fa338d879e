// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace maprune {

class ByteSink;

// Runs `write` with the path of a new temporary file in the folder of `path`
// and renames that file over `path` once `write` has returned: only a
// complete file ever replaces the former one. When `write` throws or the
// rename fails, the temporary file is removed and the failure propagates
// (a failed rename as Error), leaving `path` as it was. `write` must have
// closed the temporary file when it returns.
void ReplaceFileAtomically(const std::filesystem::path& path,
                           const std::function<void(const std::filesystem::path&)>& write);

// The file form of every writer that writes into a ByteSink: creates the
// temporary file of ReplaceFileAtomically, hands it to `write` as its sink,
// closes it and renames it over `path`. Throws StreamError when the
// temporary file cannot be created, StreamWriteError when writing or closing
// it fails, what `write` throws and Error when the rename fails; in each
// case `path` stays as it was and no temporary file remains.
void WriteFileAtomically(
    const std::filesystem::path& path, const std::function<void(ByteSink&)>& write);

// Writes `bytes` to `path` through the sink form above.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace maprune
