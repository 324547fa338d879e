// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_stream.h"

#include <cerrno>

namespace maprune {

TFileStream::TFileStream(const std::filesystem::path& path)
    : FPath(path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        errno = EISDIR;
        throw StreamError(FileFailureMessage("Cannot open file", path));
    }
    errno = 0;
    if (FFile.open(path, std::ios::in | std::ios::binary) == nullptr)
        throw StreamError(FileFailureMessage("Cannot open file", path));
}

size_t TFileStream::Read(void* buffer, size_t count)
{
    // The library throws when the system refuses a read (an I/O error).
    errno = 0;
    try {
        const std::streamsize got
            = FFile.sgetn(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
        return got > 0 ? static_cast<size_t>(got) : 0;
    } catch (const std::ios_base::failure&) {
        throw StreamReadError(FileFailureMessage("Cannot read file", FPath));
    }
}

size_t TFileStream::Write(const void*, size_t)
{
    throw StreamWriteError(kInvalidStreamOperation);
}

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin)
{
    const std::ios::seekdir dir = origin == SeekOrigin::Beginning ? std::ios::beg
                                  : origin == SeekOrigin::Current ? std::ios::cur
                                                                  : std::ios::end;
    const std::streampos pos = FFile.pubseekoff(offset, dir, std::ios::in);
    if (pos == std::streampos(-1))
        throw StreamError(kInvalidStreamOperation);
    return static_cast<int64_t>(pos);
}

} // namespace maprune
