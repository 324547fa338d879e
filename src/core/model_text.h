// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace maprune {

// Model strings are the bytes of a report, which may be UTF-8 or 8-bit text.
// One rule turns them into characters everywhere: a string that is valid
// UTF-8 is UTF-8, anything else is Windows-1252.

bool IsValidUtf8(std::string_view text);

// The characters of a model string by the rule above.
std::u32string DecodeModelText(std::string_view text);

// The characters of a model string with letters folded to lower case, for
// comparing names without regard to case or to the report's character set:
// "WÜSTE" in Windows-1252 and "wüste" in UTF-8 fold to the same text.
// Folds ASCII and the letters of Latin-1 and Windows-1252.
std::u32string FoldedText(std::string_view text);

} // namespace maprune
