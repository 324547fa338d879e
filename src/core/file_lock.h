// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>

namespace maprune {

// An exclusive lock on an existing file for the time of a read-change-write
// (merging reports into a database), so that two programs doing so at once
// cannot each write what they read and lose the other's change. Every
// instance of Maprune and maprune-cli takes it; other programs are not
// kept from the file. A file that does not exist yet is not locked (there
// is nothing to lose), nor one on a file system without locks.
//
// On Windows the lock lies on a hidden companion file ("NAME.lock", gone
// when the last holder ends), since a lock on the file itself would keep
// the save from replacing it; there it lasts over the holder's saves.
class FileLock {
public:
    // Locks `path` (the file a symbolic link names). Throws Error "Die Datei
    // "PATH" wird gerade von einem anderen Programm bearbeitet ..." when
    // another holds the lock.
    explicit FileLock(const std::filesystem::path& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    std::intptr_t FHandle = -1; // a descriptor or a Windows handle
};

} // namespace maprune
