// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_stream.h"

#include <cerrno>
#include <system_error>

#include "core/path_text.h"

namespace maprune {

namespace {

// "Cannot open file "x". <reason>", the reason as far as the C library
// recorded one for the failed operation.
std::string FileMessage(const char* what, const std::filesystem::path& path)
{
    std::string message = std::string(what) + " \"" + PathText(path) + "\".";
    if (errno != 0)
        message += " " + std::generic_category().message(errno);
    return message;
}

} // namespace

TFileStream::TFileStream(const std::filesystem::path& path, Mode mode) : FPath(path), FMode(mode)
{
    errno = 0;
    if (mode == Mode::OpenRead) {
        if (FFile.open(path, std::ios::in | std::ios::binary) == nullptr)
            throw StreamError(FileMessage("Cannot open file", path));
    } else {
        if (FFile.open(path, std::ios::out | std::ios::trunc | std::ios::binary) == nullptr)
            throw StreamError(FileMessage("Cannot create file", path));
    }
}

TFileStream::~TFileStream() = default;

size_t TFileStream::Read(void* buffer, size_t count)
{
    if (FMode != Mode::OpenRead)
        throw StreamReadError(kInvalidStreamOperation);
    const std::streamsize got
        = FFile.sgetn(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
    return got > 0 ? static_cast<size_t>(got) : 0;
}

size_t TFileStream::Write(const void* buffer, size_t count)
{
    if (FMode != Mode::Create)
        throw StreamWriteError(kInvalidStreamOperation);
    errno = 0;
    const std::streamsize put
        = FFile.sputn(static_cast<const char*>(buffer), static_cast<std::streamsize>(count));
    if (put != static_cast<std::streamsize>(count))
        ThrowWriteError();
    return count;
}

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin)
{
    const std::ios::seekdir dir = origin == SeekOrigin::Beginning ? std::ios::beg
                                  : origin == SeekOrigin::Current ? std::ios::cur
                                                                  : std::ios::end;
    const auto which = FMode == Mode::OpenRead ? std::ios::in : std::ios::out;
    const std::streampos pos = FFile.pubseekoff(offset, dir, which);
    if (pos == std::streampos(-1))
        throw StreamError(kInvalidStreamOperation);
    return static_cast<int64_t>(pos);
}

void TFileStream::Close()
{
    if (!FFile.is_open())
        return;
    errno = 0;
    if (FFile.close() == nullptr && FMode == Mode::Create)
        ThrowWriteError();
}

void TFileStream::ThrowWriteError() const
{
    throw StreamWriteError(FileMessage("Cannot write file", FPath));
}

} // namespace maprune
