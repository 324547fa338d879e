// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>

#include "storage/stream.h"

namespace maprune {

// A stream over a file on disk opened for reading (others may read it too).
// Files are written through a FileSink instead. Write fails with
// StreamWriteError.
class TFileStream : public TStream {
public:
    // Throws StreamError("Cannot open file \"...\". ...") when the file cannot
    // be opened or is a folder.
    explicit TFileStream(const std::filesystem::path& path);

    // Throws StreamReadError("Cannot read file \"...\". ...") when the
    // system refuses the read.
    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

private:
    std::filesystem::path FPath;
    std::filebuf FFile;
};

} // namespace maprune
