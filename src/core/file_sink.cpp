// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/file_sink.h"

#include <cerrno>

#include "core/stream_error.h"

namespace maprune {

FileSink::FileSink(const std::filesystem::path& path)
    : FPath(path)
{
    errno = 0;
    if (FFile.open(path, std::ios::out | std::ios::trunc | std::ios::binary) == nullptr)
        throw StreamError(FileFailureMessage("Cannot create file", path));
}

FileSink::~FileSink() = default;

void FileSink::Write(std::string_view bytes)
{
    errno = 0;
    const auto count = static_cast<std::streamsize>(bytes.size());
    if (FFile.sputn(bytes.data(), count) != count)
        ThrowWriteError();
}

void FileSink::Close()
{
    if (!FFile.is_open())
        return;
    errno = 0;
    if (FFile.close() == nullptr)
        ThrowWriteError();
}

void FileSink::ThrowWriteError() const
{
    throw StreamWriteError(FileFailureMessage("Cannot write file", FPath));
}

} // namespace maprune
