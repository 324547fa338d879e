// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive/archive_support.h"

namespace maprune {

ArchiveSupport::ArchiveSupport()
    : FReader(MakeArchiveReader())
    , FPrevious(InstallPackedFileReader(FReader.get()))
{
}

ArchiveSupport::~ArchiveSupport()
{
    InstallPackedFileReader(FPrevious);
}

} // namespace maprune
