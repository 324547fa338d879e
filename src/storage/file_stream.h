// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>

#include "storage/stream.h"

namespace maprune {

// A stream over a file on disk, opened for reading (others may read it too)
// or created for writing (an existing file is truncated).
class TFileStream : public TStream {
public:
    enum class Mode { OpenRead, Create };

    // Throws StreamError("Cannot open file \"...\". ..." or "Cannot create
    // file \"...\". ...") when the file cannot be opened or created.
    TFileStream(const std::filesystem::path& path, Mode mode);
    // Closes the file; a write error at this point goes unreported, so
    // writers call Close first.
    ~TFileStream() override;

    size_t Read(void* buffer, size_t count) override;
    // Throws StreamWriteError when the file takes fewer bytes (disk full).
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    // Writes out what the file layer still holds and closes the file. Throws
    // StreamWriteError when that fails.
    void Close();

private:
    [[noreturn]] void ThrowWriteError() const;

    std::filesystem::path FPath;
    Mode FMode;
    std::filebuf FFile;
};

} // namespace maprune
