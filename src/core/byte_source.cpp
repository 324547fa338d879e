// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/byte_source.h"

#include "core/error.h"
#include "core/path_text.h"
#include "core/read_file.h"

namespace maprune {

namespace {

PackedFileReader* gPackedFileReader = nullptr;

} // namespace

std::string FileByteSource::Name() const
{
    return PathText(FFile);
}

std::string FileByteSource::ReadAll(const ByteLimit& limit)
{
    return ReadFileBytes(FFile, limit.Bytes);
}

PackedFileReader* InstalledPackedFileReader()
{
    return gPackedFileReader;
}

PackedFileReader* InstallPackedFileReader(PackedFileReader* reader)
{
    PackedFileReader* const previous = gPackedFileReader;
    gPackedFileReader = reader;
    return previous;
}

} // namespace maprune
