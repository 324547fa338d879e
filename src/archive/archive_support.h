// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "core/byte_source.h"

namespace maprune {

// Installs the reader of archives and compressed files that this build has
// (libarchive) for the program's lifetime; in a build without the archive
// library it installs nothing and only plain files are read.
class ArchiveSupport {
public:
    ArchiveSupport();
    ~ArchiveSupport();
    ArchiveSupport(const ArchiveSupport&) = delete;
    ArchiveSupport& operator=(const ArchiveSupport&) = delete;

private:
    std::unique_ptr<PackedFileReader> FReader;
    PackedFileReader* FPrevious = nullptr;
};

// The libarchive reader; null in a build without it.
std::unique_ptr<PackedFileReader> MakeArchiveReader();

} // namespace maprune
