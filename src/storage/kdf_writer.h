// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <memory>

#include "core/file_sink.h"
#include "storage/compression_stream.h"
#include "storage/kdf_write_options.h"
#include "storage/sink_stream.h"
#include "storage/write_stream.h"

namespace maprune {

// Writes the uncompressed content of a KDF file through a 64 KiB buffer, the
// zlib compressor (level chosen from the options when the writer is created,
// compressing on as many threads as there are processors) and another 64 KiB
// buffer into a sink. Forward-only: Read fails with
// StreamReadError, Seek answers only the position query with 0.
//
// Close completes the file; a writer destroyed without Close leaves an
// incomplete file behind, which the caller removes.
class TKDF_Writer : public TStream {
public:
    // Writes into `destination`, which it does not own and which must outlive
    // it; a failure of the sink propagates from Write or Close.
    TKDF_Writer(ByteSink& destination, const KdfWriteOptions& options);
    // Writes into a newly created file (an existing one is truncated), in
    // place: SaveKdfFile is the atomic way. Throws StreamError when the file
    // cannot be created.
    TKDF_Writer(const std::filesystem::path& fileName, const KdfWriteOptions& options);

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;

    // Drains the top buffer into the compressor, ends the zlib stream, drains
    // the file buffer into the sink and closes a file the writer created, in
    // that order. Throws on any write failure. Nothing may be written
    // afterwards.
    void Close();

private:
    TKDF_Writer(std::unique_ptr<FileSink> file, const KdfWriteOptions& options);

    // Declared from the file upwards, so that they are destroyed top first.
    std::unique_ptr<FileSink> FOwnFile;
    TSinkStream FFile;
    TWriteStream FFileBuffer { FFile };
    TCompressionStream FDeflater;
    TWriteStream FTop { FDeflater };
    bool FClosed = false;
};

} // namespace maprune
