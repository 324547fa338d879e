// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/damaged_file.h"

namespace maprune {

void ThrowDamagedFile(const std::string& detail)
{
    throw DamagedFileError("Die KDF-Datei ist beschädigt: " + detail + ".");
}

} // namespace maprune
