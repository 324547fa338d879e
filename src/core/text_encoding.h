// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace maprune {

// Model strings are the report's bytes as read: valid UTF-8, or else an 8-bit
// Windows-1252 text. These functions are the one place where such bytes are
// decoded for display and user input is encoded back.

bool IsValidUtf8(std::string_view bytes);

// The model bytes as UTF-8: valid UTF-8 unchanged, anything else decoded as
// Windows-1252.
std::string DisplayText(std::string_view modelBytes);

// UTF-8 text as Windows-1252 bytes; characters Windows-1252 lacks become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

} // namespace maprune
