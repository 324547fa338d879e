// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace maprune {

// Model text (UTF-8 or Windows-1252 bytes) as upper-case UTF-8, so that two
// texts that differ only in letter case, or only in which of the two
// encodings they were written in, fold to the same string. Folds the ASCII
// letters and the Latin-1 letters (umlauts, accented letters); ß stays.
std::string FoldCase(std::string_view modelText);

bool EqualIgnoringCase(std::string_view a, std::string_view b);

} // namespace maprune
