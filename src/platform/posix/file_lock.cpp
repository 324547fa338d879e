// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/error.h"
#include "core/path_text.h"

namespace maprune {

namespace {

// A save replaces the file under its name; a lock taken on the file just
// replaced is tried again on the new one this often.
constexpr int kLockAttempts = 10;

bool SameFile(int handle, const std::filesystem::path& path)
{
    struct stat held { };
    struct stat named { };
    return ::fstat(handle, &held) == 0 && ::stat(path.c_str(), &named) == 0
        && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// The handle of `path` with the lock taken; -1 when the file does not exist,
// cannot be opened or is on a file system without locks.
int LockedHandle(const std::filesystem::path& path)
{
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        const int handle = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (handle < 0)
            return -1;
        if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(handle);
            if (error == EWOULDBLOCK) {
                throw Error("Die Datei \"" + PathText(path)
                    + "\" wird gerade von einem anderen Programm bearbeitet (Maprune oder "
                      "maprune-cli); bitte versuchen Sie es danach noch einmal.");
            }
            return -1;
        }
        if (SameFile(handle, path))
            return handle;
        ::close(handle);
    }
    return -1;
}

} // namespace

FileLock::FileLock(const std::filesystem::path& path)
    : FHandle(LockedHandle(path))
{
}

FileLock::~FileLock()
{
    if (FHandle >= 0)
        ::close(static_cast<int>(FHandle));
}

} // namespace maprune
