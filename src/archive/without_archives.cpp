// SPDX-License-Identifier: GPL-3.0-or-later
// The build without libarchive: plain files only.
#include "archive/archive_support.h"

namespace maprune {

std::unique_ptr<PackedFileReader> MakeArchiveReader()
{
    return nullptr;
}

} // namespace maprune
