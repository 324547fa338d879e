// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace maprune {

// Values below HKEY_CURRENT_USER of the Windows registry. `subKey` is a path
// below it with backslashes; names and texts are UTF-8.

// The bytes of REG_BINARY value `name` of `subKey`; nullopt when it is
// missing or of another type.
std::optional<std::string> ReadRegistryBinary(std::string_view subKey, std::string_view name);

// Creates `subKey` when needed and writes `bytes` as REG_BINARY value
// `name`; false on failure.
bool WriteRegistryBinary(std::string_view subKey, std::string_view name, std::string_view bytes);

// The default text value of `subKey`; empty when missing or not a text.
std::string RegistryDefaultText(std::string_view subKey);

// Creates `subKey` when needed and sets its default value to `text`; false
// on failure.
bool SetRegistryDefaultText(std::string_view subKey, std::string_view text);

// Removes the default value of `subKey`; false on failure.
bool DeleteRegistryDefaultValue(std::string_view subKey);

// Removes `subKey` with everything below it; true also when it was missing.
bool DeleteRegistryTree(std::string_view subKey);

} // namespace maprune
