// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace maprune {

// Base64 of `bytes` (RFC 4648, with padding), for AUTH and encoded words.
std::string Base64(std::string_view bytes);

// Whether every byte is 7-bit ASCII other than NUL.
bool IsPlainAscii(std::string_view bytes);

// One text line as quoted-printable (RFC 2045) lines of at most 76
// characters, soft breaks ending in "=".
std::vector<std::string> QuotedPrintableLines(std::string_view line);

// A header text as it may stand in a header: unchanged when plain ASCII,
// else one RFC 2047 encoded word of its UTF-8.
std::string HeaderText(std::string_view utf8);

// `text` without CR, LF and NUL: report and settings texts end up in SMTP
// commands and header lines, where a line break would start another one.
std::string OneLine(std::string_view text);

} // namespace maprune
