// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "storage/file_stream.h"
#include "storage/write_stream.h"
#include "storage/zlib_streams.h"

namespace maprune {

// How KDF files are written; filled from the settings by the caller.
struct KdfWriteOptions {
    // Setting FastKDF: zlib level 1 (fastest) when true, 9 (best) when false.
    bool FastKDF = true;
};

// The zlib level that `options` choose.
int KdfCompressionLevel(const KdfWriteOptions& options);

// Writes the uncompressed content of a KDF file through a 64 KiB buffer, the
// zlib compressor (level chosen from the options when the writer is created)
// and another 64 KiB buffer into a newly created file (an existing one is
// truncated). Forward-only: Read fails with StreamReadError, Seek answers only
// the position query with 0.
//
// Close completes the file; a writer destroyed without Close leaves an
// incomplete file behind, which the caller removes.
class TKDF_Writer : public TStream {
public:
    // Throws StreamError when the file cannot be created.
    TKDF_Writer(const std::filesystem::path& fileName, const KdfWriteOptions& options);

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    // Drains the top buffer into the compressor, ends the zlib stream, drains
    // the file buffer and closes the file, in that order. Throws on any write
    // failure. Nothing may be written afterwards.
    void Close();

private:
    // Declared from the file upwards, so that they are destroyed top first.
    TFileStream FFile;
    TWriteStream FFileBuffer;
    TCompressionStream FDeflater;
    TWriteStream FTop;
    bool FClosed = false;
};

} // namespace maprune
