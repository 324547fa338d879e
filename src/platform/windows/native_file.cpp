// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/native_file.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>

namespace maprune {

namespace {

// The largest piece one _write takes (its count is an unsigned int).
constexpr size_t kMaxWrite = size_t { 1 } << 30;

// Why MoveFileEx refused: the cases a user can act on in German, others by
// their system number.
std::string ReplaceFailureReason(DWORD error)
{
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:
        return "Die Datei ist in einem anderen Programm geöffnet, schreibgeschützt, oder es fehlt "
               "die Berechtigung. Bitte schließen Sie sie dort und speichern Sie noch einmal; "
               "die bisherige Datei ist unverändert.";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FailureReason(ENOSPC);
    case ERROR_PATH_NOT_FOUND:
        return FailureReason(ENOENT);
    default:
        return "Windows-Fehler " + std::to_string(error) + ".";
    }
}

} // namespace

NativeFile::NativeFile(const std::filesystem::path& path, const std::filesystem::path& shown)
    : FShown(shown)
{
    if (_wsopen_s(&FHandle, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYWR,
            _S_IREAD | _S_IWRITE)
        != 0)
        Fail(errno);
}

NativeFile::~NativeFile()
{
    if (FHandle >= 0)
        _close(FHandle);
}

// A new file takes the folder's access rights, as every file the user
// creates there; read-only or hidden targets are refused by the replace.
void NativeFile::TakeAccessOf(const std::filesystem::path&, NewFileAccess) { }

void NativeFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const int written = _write(
            FHandle, bytes.data(), static_cast<unsigned>(std::min(bytes.size(), kMaxWrite)));
        if (written <= 0)
            Fail(written < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

void NativeFile::Sync()
{
    if (_commit(FHandle) != 0)
        Fail(errno);
}

void NativeFile::Close()
{
    const int handle = FHandle;
    FHandle = -1;
    if (handle >= 0 && _close(handle) != 0)
        Fail(errno);
}

void NativeFile::Fail(int error) const
{
    ThrowSaveFailure(FShown, error);
}

void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to,
    const std::filesystem::path& shown)
{
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ThrowSaveFailure(shown, ReplaceFailureReason(GetLastError()));
}

// MOVEFILE_WRITE_THROUGH has flushed the folder's entry already.
void SyncFolder(const std::filesystem::path&) { }

} // namespace maprune
