// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <initializer_list>
#include <vector>

namespace maprune {

// Files in the system's temporary folder for one run of an external program
// (VORLAGE, the order checker): fresh names that no file has yet, removed
// with whatever the program left in them when the object goes, however the
// run ends. Throws Error with kNoTempFolderMessage or kNoTempNameMessage
// (orders/vorlage.h) when no folder or no free name can be had.
class TemporaryFiles {
public:
    // One name per extension (".cr", ".txt"), in that order; `prefix` starts
    // every name.
    TemporaryFiles(const char* prefix, std::initializer_list<const char*> extensions);
    ~TemporaryFiles();
    TemporaryFiles(const TemporaryFiles&) = delete;
    TemporaryFiles& operator=(const TemporaryFiles&) = delete;

    const std::filesystem::path& operator[](size_t index) const { return FPaths[index]; }

private:
    std::vector<std::filesystem::path> FPaths;
};

} // namespace maprune
