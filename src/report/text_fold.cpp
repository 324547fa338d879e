// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/text_fold.h"

#include "core/text_encoding.h"

namespace maprune {

std::string FoldCase(std::string_view modelText)
{
    std::string text = DisplayText(modelText);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'a' && c <= 'z') {
            text[i] = static_cast<char>(c - 'a' + 'A');
        } else if (c == 0xC3 && i + 1 < text.size()) {
            // U+00E0..U+00FE are the lower-case partners of U+00C0..U+00DE,
            // except U+00F7, the division sign.
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7)
                text[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return text;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return FoldCase(a) == FoldCase(b);
}

} // namespace maprune
