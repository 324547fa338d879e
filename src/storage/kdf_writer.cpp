// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/kdf_writer.h"

namespace maprune {

int KdfCompressionLevel(const KdfWriteOptions& options)
{
    return options.FastKDF ? 1 : 9;
}

TKDF_Writer::TKDF_Writer(ByteSink& destination, const KdfWriteOptions& options)
    : FFile(destination)
    , FDeflater(FFileBuffer, KdfCompressionLevel(options))
{
}

TKDF_Writer::TKDF_Writer(const std::filesystem::path& fileName, const KdfWriteOptions& options)
    : TKDF_Writer(std::make_unique<FileSink>(fileName), options)
{
}

TKDF_Writer::TKDF_Writer(std::unique_ptr<FileSink> file, const KdfWriteOptions& options)
    : FOwnFile(std::move(file))
    , FFile(*FOwnFile)
    , FDeflater(FFileBuffer, KdfCompressionLevel(options))
{
}

size_t TKDF_Writer::Read(void* buffer, size_t count)
{
    return FTop.Read(buffer, count);
}

size_t TKDF_Writer::Write(const void* buffer, size_t count)
{
    if (FClosed)
        throw StreamWriteError(kInvalidStreamOperation);
    return FTop.Write(buffer, count);
}

int64_t TKDF_Writer::Seek(int64_t offset, SeekOrigin origin)
{
    return FTop.Seek(offset, origin);
}

void TKDF_Writer::Close()
{
    if (FClosed)
        return;
    FClosed = true;
    FTop.Flush();
    FDeflater.Finish();
    FFileBuffer.Flush();
    if (FOwnFile)
        FOwnFile->Close();
}

} // namespace maprune
