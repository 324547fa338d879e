// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace maprune {

// UTF-16 text of the Windows API as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf8OfWide(const wchar_t* text);

// UTF-8 text as UTF-16 for the Windows API; invalid bytes become U+FFFD.
std::wstring WideOfUtf8(std::string_view text);

} // namespace maprune
