// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/registry_path.h"

#include "core/error.h"

namespace maprune {

RegistryPath SplitRegistryPath(const std::string& path)
{
    const auto last = path.rfind('\\');
    if (last == std::string::npos || last + 1 == path.size())
        throw Error("Registry-Pfad enthält keinen Wertbezeichner: \"" + path + "\"");
    return { path.substr(0, last), path.substr(last + 1) };
}

} // namespace maprune
