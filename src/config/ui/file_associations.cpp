// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/file_associations.h"

namespace maprune {

const std::vector<AssociableFileType>& AssociableFileTypes()
{
    static const std::vector<AssociableFileType> types = {
        { QStringLiteral("kdf"), QStringLiteral("Maprune Data File"), 3,
            QStringLiteral("application/x-maprune-kdf") },
        { QStringLiteral("cr"), QStringLiteral("Kelvaran Computer Report"), 2,
            QStringLiteral("application/x-kelvaran-cr") },
    };
    return types;
}

} // namespace maprune
