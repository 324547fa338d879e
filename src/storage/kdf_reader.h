// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "storage/file_stream.h"
#include "storage/read_stream.h"
#include "storage/zlib_streams.h"

namespace maprune {

// Reads the uncompressed content of a KDF file: the file, a 64 KiB buffer, the
// zlib decompressor and another 64 KiB buffer, from the file upwards. The
// object reader talks to the top stage only. Forward-only: Write fails with
// StreamWriteError, Seek answers only the position query with 0.
class TKDF_Reader : public TStream {
public:
    // Throws StreamError when the file cannot be opened.
    explicit TKDF_Reader(const std::filesystem::path& fileName);

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    // True when no uncompressed byte is left, the zlib stream ended with a
    // valid checksum and the file ends with it; consumes at most one byte of
    // each.
    bool AtCompleteEnd();

private:
    // Declared from the file upwards, so that they are destroyed top first.
    TFileStream FFile;
    TReadStream FFileBuffer;
    TDecompressionStream FInflater;
    TReadStream FTop;
};

} // namespace maprune
