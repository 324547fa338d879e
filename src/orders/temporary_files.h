// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <initializer_list>
#include <vector>

namespace maprune {

// Files for one run of an external program (VORLAGE, the order checker),
// which hold the orders and the party's password: empty files readable by
// the owner only, in a fresh folder of the system's temporary folder that
// only the owner may enter, removed with the folder and whatever the program
// left in it when the object goes, however the run ends. Throws Error with
// kNoTempFolderMessage or kNoTempNameMessage (orders/vorlage.h) when no
// folder or no free name can be had.
class TemporaryFiles {
public:
    // One file per extension (".cr", ".txt"), in that order; `prefix` starts
    // the name of the folder and of every file.
    TemporaryFiles(const char* prefix, std::initializer_list<const char*> extensions);
    ~TemporaryFiles();
    TemporaryFiles(const TemporaryFiles&) = delete;
    TemporaryFiles& operator=(const TemporaryFiles&) = delete;

    const std::filesystem::path& operator[](size_t index) const { return FPaths[index]; }

private:
    std::filesystem::path FFolder;
    std::vector<std::filesystem::path> FPaths;
};

} // namespace maprune
