// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/zlib_error.h"

#include <string>

#include <zlib.h>

namespace maprune {

// "Error", then what went wrong in German; zlib's own words are English.
void ThrowZlibError(int result)
{
    switch (result) {
    case Z_DATA_ERROR:
        throw CompressionError("Error: die komprimierten Daten sind beschädigt");
    case Z_MEM_ERROR:
        throw CompressionError("Error: nicht genug Arbeitsspeicher für die Kompression");
    default:
        throw CompressionError(
            "Error: die Kompression schlug fehl (zlib " + std::to_string(result) + ")");
    }
}

} // namespace maprune
