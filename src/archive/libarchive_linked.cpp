// SPDX-License-Identifier: GPL-3.0-or-later
// libarchive linked into the program: the table holds its functions.
#include "archive/libarchive_api.h"

namespace maprune {

const LibArchiveApi& LibArchive()
{
#define MAPRUNE_API_FUNCTION(name) api.name = &::name;
    static const LibArchiveApi table = [] {
        LibArchiveApi api;
        MAPRUNE_LIBARCHIVE_FUNCTIONS(MAPRUNE_API_FUNCTION)
        return api;
    }();
#undef MAPRUNE_API_FUNCTION
    return table;
}

} // namespace maprune
