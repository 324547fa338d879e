// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/model_text.h"

namespace maprune {

// Conversions between model strings (the report's bytes, decoded by the rule
// of model_text.h) and the UTF-8 text that windows and tools show and take.

// The model bytes as UTF-8: valid UTF-8 unchanged, anything else decoded as
// Windows-1252.
std::string DisplayText(std::string_view modelBytes);

// UTF-8 text as Windows-1252 bytes; characters Windows-1252 lacks become '?'.
// Bytes that are not UTF-8 are taken as Windows-1252 already and kept.
std::string Utf8ToCp1252(std::string_view utf8);

// Appends code point `cp` to `out` in UTF-8.
void AppendUtf8(std::string& out, char32_t cp);

} // namespace maprune
