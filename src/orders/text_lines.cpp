// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/text_lines.h"

#include "core/byte_sink.h"

namespace maprune {

std::string TextOfLines(const TextLines& lines)
{
    size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void WriteTextLines(const TextLines& lines, ByteSink& sink)
{
    sink.Write(TextOfLines(lines));
}

} // namespace maprune
