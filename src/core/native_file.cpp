// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/native_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <unistd.h>
#endif

#include "core/path_text.h"
#include "core/stream_error.h"
#include "core/write_file.h"

namespace maprune {

namespace {

#ifdef _WIN32
int OpenExclusive(const std::filesystem::path& path)
{
    int handle = -1;
    _wsopen_s(&handle, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYWR,
        _S_IREAD | _S_IWRITE);
    return handle;
}
long WriteSome(int handle, const char* data, size_t count)
{
    return _write(handle, data, static_cast<unsigned>(std::min<size_t>(count, 1u << 30)));
}
int SyncHandle(int handle) { return _commit(handle); }
int CloseHandle(int handle) { return _close(handle); }
#else
int OpenExclusive(const std::filesystem::path& path)
{
    int handle = -1;
    do {
        handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (handle < 0 && errno == EINTR);
    return handle;
}
long WriteSome(int handle, const char* data, size_t count)
{
    return static_cast<long>(::write(handle, data, count));
}
int SyncHandle(int handle) { return ::fsync(handle); }
int CloseHandle(int handle) { return ::close(handle); }
#endif

} // namespace

std::string FailureReason(int error)
{
    switch (error) {
    case ENOSPC:
        return "Auf dem Datenträger ist kein Platz mehr frei.";
#ifdef EDQUOT
    case EDQUOT:
        return "Das Speicherkontingent ist erschöpft.";
#endif
    case EACCES:
    case EPERM:
        return "Keine Berechtigung zum Schreiben in diesen Ordner oder diese Datei.";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt.";
    case ENOENT:
    case ENOTDIR:
        return "Der Ordner existiert nicht.";
    case EISDIR:
        return "Unter diesem Namen gibt es einen Ordner.";
    case EIO:
        return "Ein-/Ausgabefehler des Datenträgers.";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang.";
    case ELOOP:
        return "Zu viele symbolische Verknüpfungen.";
    default:
        return std::strerror(error);
    }
}

void ThrowSaveFailure(const std::filesystem::path& shown, int error)
{
    throw StreamWriteError("Die Datei \"" + PathText(shown) + "\" konnte nicht gespeichert werden: "
        + FailureReason(error));
}

NativeFile::NativeFile(const std::filesystem::path& path, const std::filesystem::path& shown)
    : FShown(shown)
    , FHandle(OpenExclusive(path))
{
    if (FHandle < 0)
        Fail(errno);
}

NativeFile::~NativeFile()
{
    if (FHandle >= 0)
        CloseHandle(FHandle);
}

void NativeFile::TakeAccessOf(const std::filesystem::path& model, NewFileAccess access)
{
#ifdef _WIN32
    (void)model;
    (void)access;
#else
    struct stat former {};
    if (::stat(model.c_str(), &former) != 0) {
        if (access == NewFileAccess::OwnerOnly && ::fchmod(FHandle, S_IRUSR | S_IWUSR) != 0)
            Fail(errno);
        return;
    }
    // The group first, which a member may set, then the owner, which only an
    // administrator may; a refusal keeps the saving user as owner.
    if (::fchown(FHandle, static_cast<uid_t>(-1), former.st_gid) == 0
        && ::fchown(FHandle, former.st_uid, static_cast<gid_t>(-1)) != 0) {
        // Not an administrator: the file stays the saving user's.
    }
    if (::fchmod(FHandle, former.st_mode & 07777) != 0)
        Fail(errno);
#endif
}

void NativeFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const long written = WriteSome(FHandle, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            Fail(written < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

void NativeFile::Sync()
{
    if (SyncHandle(FHandle) != 0)
        Fail(errno);
}

void NativeFile::Close()
{
    const int handle = FHandle;
    FHandle = -1;
    if (handle >= 0 && CloseHandle(handle) != 0)
        Fail(errno);
}

void NativeFile::Fail(int error) const
{
    ThrowSaveFailure(FShown, error);
}

void SyncFolder(const std::filesystem::path& folder)
{
#ifdef _WIN32
    (void)folder;
#else
    const std::filesystem::path name = folder.empty() ? std::filesystem::path(".") : folder;
    const int handle = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    if (::fsync(handle) != 0) {
        // Nothing to do: see the header.
    }
    ::close(handle);
#endif
}

} // namespace maprune
