// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include <QString>

namespace maprune {

// File names between Qt and the core, without loss on any platform.
inline std::filesystem::path ToPath(const QString& name)
{
    return std::filesystem::path(name.toStdU16String());
}

inline QString ToQString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

} // namespace maprune
