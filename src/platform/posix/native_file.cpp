// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/native_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/write_file.h"

namespace maprune {

namespace {

int OpenExclusive(const std::filesystem::path& path)
{
    int handle = -1;
    do {
        handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (handle < 0 && errno == EINTR);
    return handle;
}

} // namespace

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
        ::close(FHandle);
}

void NativeFile::TakeAccessOf(const std::filesystem::path& model, NewFileAccess access)
{
    struct stat former { };
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
}

void NativeFile::Write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(FHandle, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            Fail(written < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

void NativeFile::Sync()
{
    if (::fsync(FHandle) != 0)
        Fail(errno);
}

void NativeFile::Close()
{
    const int handle = FHandle;
    FHandle = -1;
    if (handle >= 0 && ::close(handle) != 0)
        Fail(errno);
}

void NativeFile::Fail(int error) const
{
    ThrowSaveFailure(FShown, error);
}

void RenameOver(const std::filesystem::path& from, const std::filesystem::path& to,
    const std::filesystem::path& shown)
{
    if (std::rename(from.c_str(), to.c_str()) != 0)
        ThrowSaveFailure(shown, errno);
}

void SyncFolder(const std::filesystem::path& folder)
{
    const std::filesystem::path name = folder.empty() ? std::filesystem::path(".") : folder;
    const int handle = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    if (::fsync(handle) != 0) {
        // Nothing to do: see the header.
    }
    ::close(handle);
}

} // namespace maprune
