// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace maprune {

// UTF-16 text of the Windows API as UTF-8; unpaired surrogates become U+FFFD.
std::string Utf8OfWide(const wchar_t* text);

} // namespace maprune
