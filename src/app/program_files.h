// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace maprune {

// The files the program writes for itself, named after the program file
// with other extensions: the automatic save of the database (".kdf"), the
// alliance definitions (".bnd") and the log (".log").
struct ProgramFiles {
    std::filesystem::path AutoSave;
    std::filesystem::path Alliances;
    std::filesystem::path Log;

    // The files of the program file `program` in `folder`.
    static ProgramFiles In(
        const std::filesystem::path& folder, const std::filesystem::path& program);
};

// `program`'s folder when a file can be created in it and it is not an
// installed tree (RunsFromInstalledTree), else `fallback` (created when
// missing), so that an installation keeps its automatic save, alliances and
// log in the user's folder and never writes into its own.
std::filesystem::path WritableFolder(
    const std::filesystem::path& program, const std::filesystem::path& fallback);

// The files of the running program (ProgramPath()): beside it, or in the
// user's application data folder when its folder is not writable.
ProgramFiles DesktopProgramFiles();

} // namespace maprune
