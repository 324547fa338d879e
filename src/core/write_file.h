// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string_view>

namespace maprune {

class ByteSink;

// Who may read a file that a save creates (a replaced file keeps its own).
enum class NewFileAccess {
    UserDefault, // the user's default mode (0666 less the umask)
    OwnerOnly,   // mode 600: databases and reports hold the party's password
};

// Temporary files of a save that ended without cleaning up (the program was
// killed) and are older than this are removed by the next save of the same
// file; younger ones may belong to a save under way in another instance.
inline constexpr std::chrono::minutes kStaleTemporaryAge { 10 };

// The file form of every writer that writes into a ByteSink. Runs `write`
// with a new temporary file beside the target as its sink and, once `write`
// has returned, flushes that file to disk, renames it over the target and
// flushes the folder: only a complete file ever replaces the former one,
// also across a power loss. The target is `path` or, when `path` is a
// symbolic link, the file the link names (the link stays). The new file
// takes the permissions of the file it replaces, and its owner and group
// where the system allows; a file that did not exist gets `access`.
// Temporary files of this function for the same target that are older than
// kStaleTemporaryAge are removed first.
//
// Throws what `write` throws unchanged, and StreamWriteError with a German
// message naming the target when the temporary file cannot be created,
// written, flushed or renamed; in each case the target stays as it was and
// no temporary file remains.
void WriteFileAtomically(const std::filesystem::path& path,
    const std::function<void(ByteSink&)>& write,
    NewFileAccess access = NewFileAccess::UserDefault);

// Writes `bytes` to `path` through the sink form above.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Whether `name` is the name of a temporary file that WriteFileAtomically
// makes for a target named `targetName`: "TARGET.NNNNNN.tmp" with one to
// six digits.
bool IsTemporaryFileName(std::string_view name, std::string_view targetName);

} // namespace maprune
