// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace maprune {

class ByteSink;

// The lines of a text file that the program writes (order file, text map),
// held without their line ends.
using TextLines = std::vector<std::string>;

// Writes every line followed by CR LF, the last included.
void WriteTextLines(const TextLines& lines, ByteSink& sink);

// The same as one text (for the clipboard).
std::string TextOfLines(const TextLines& lines);

} // namespace maprune
