// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace maprune {

class TReport;

// The character sets of report texts. Model strings keep the bytes read;
// a database holds one of these throughout.
enum class TextEncoding { Windows1252, Utf8 };

// The encoding of `report`'s texts: UTF-8 when its header named that
// character set ("UTF-8", compared ignoring case and the hyphen), else the
// 8-bit set of older reports (Windows-1252, which includes ISO-8859-1).
TextEncoding ReportEncoding(const TReport& report);

// Text the user typed (UTF-8) as a model string of `report`, in its
// encoding, so that the database keeps one.
std::string ToReportText(const TReport& report, std::string_view utf8);

// Converts every text of `report` and of all it holds (names, descriptions,
// text lines, the names in price, item and talent tables) into `to`, and
// makes its Charset say so. Text that is in `to` already stays as it is;
// characters that Windows-1252 lacks become '?'.
void ConvertReportTexts(TReport& report, TextEncoding to);

} // namespace maprune
