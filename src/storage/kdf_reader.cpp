// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/kdf_reader.h"

namespace maprune {

TKDF_Reader::TKDF_Reader(const std::filesystem::path& fileName)
    : FFile(fileName)
    , FFileBuffer(FFile)
    , FInflater(FFileBuffer)
    , FTop(FInflater)
{
}

size_t TKDF_Reader::Read(void* buffer, size_t count)
{
    return FTop.Read(buffer, count);
}

size_t TKDF_Reader::Write(const void* buffer, size_t count)
{
    return FTop.Write(buffer, count);
}

int64_t TKDF_Reader::Seek(int64_t offset, SeekOrigin origin)
{
    return FTop.Seek(offset, origin);
}

bool TKDF_Reader::AtCompleteEnd()
{
    char extra;
    return FTop.Read(&extra, 1) == 0 && FInflater.EndedWithSource();
}

} // namespace maprune
