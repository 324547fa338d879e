// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_lock.h"

#include <windows.h>

#include "core/error.h"
#include "core/path_text.h"

namespace maprune {

namespace {

// The companion file with the lock taken; INVALID_HANDLE_VALUE when the
// file does not exist or the companion cannot be made (a folder without
// write access: there is no save to protect either).
HANDLE LockedCompanion(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return INVALID_HANDLE_VALUE;
    std::filesystem::path companion = path;
    companion += L".lock";
    const HANDLE handle = CreateFileW(companion.c_str(), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return handle;
    OVERLAPPED whole {};
    if (!LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        CloseHandle(handle);
        throw Error("Die Datei \"" + PathText(path)
            + "\" wird gerade von einem anderen Programm bearbeitet (Maprune oder "
              "maprune-cli); bitte versuchen Sie es danach noch einmal.");
    }
    return handle;
}

} // namespace

FileLock::FileLock(const std::filesystem::path& path)
{
    const HANDLE handle = LockedCompanion(path);
    if (handle != INVALID_HANDLE_VALUE)
        FHandle = reinterpret_cast<std::intptr_t>(handle);
}

FileLock::~FileLock()
{
    if (FHandle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(FHandle));
}

} // namespace maprune
