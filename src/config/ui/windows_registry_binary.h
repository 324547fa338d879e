// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <optional>
#include <string>

#include <QString>

namespace maprune {

// Raw REG_BINARY values below HKEY_CURRENT_USER. QSettings writes a byte
// array as a text "@ByteArray(...)", and reads a raw binary value as text,
// so binary settings go through these. `subKey` is a path below
// HKEY_CURRENT_USER with backslashes.

// The bytes of value `name` of `subKey`; nullopt when it is missing or not
// a REG_BINARY value.
std::optional<std::string> ReadRegistryBinary(const QString& subKey, const QString& name);

// Creates `subKey` when needed and writes `bytes` as REG_BINARY value
// `name`; false on failure.
bool WriteRegistryBinary(const QString& subKey, const QString& name, const std::string& bytes);

} // namespace maprune

#endif
