// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace maprune {

// Whether `text` fits `pattern`, where "*" stands for any run of characters
// (also none). Case does not matter, nor whether either side is UTF-8 or
// Windows-1252 (FoldedText). An empty pattern fits only an empty text.
bool Matches(std::string_view text, std::string_view pattern);

} // namespace maprune
