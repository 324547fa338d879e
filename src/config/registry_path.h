// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace maprune {

struct RegistryPath {
    std::string key; // the text before the last backslash
    std::string valueName; // the text after it
};

// Splits a full settings path such as "Software\Oskel\Maprune\FastKDF" at its
// last backslash. Throws Error `Registry-Pfad enthält keinen Wertbezeichner:
// "<path>"` when the path has no backslash or ends in one.
RegistryPath SplitRegistryPath(const std::string& path);

} // namespace maprune
