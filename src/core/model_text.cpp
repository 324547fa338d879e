// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model_text.h"

#include <array>
#include <cstdint>

namespace maprune {

namespace {

// Windows-1252 code points of the bytes 0x80..0x9F; the five bytes that the
// code page leaves undefined keep their C1 control code point.
// clang-format off
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

// Decodes the UTF-8 sequence at `pos` and advances past it; returns false
// (leaving `pos`) for anything that is not a well-formed sequence, including
// overlong forms, surrogates and code points above U+10FFFF.
bool DecodeUtf8At(std::string_view text, size_t& pos, char32_t& out)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(pos);
    if (lead < 0x80) {
        out = lead;
        ++pos;
        return true;
    }
    size_t length;
    char32_t cp;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return false;
    }
    if (text.size() - pos < length)
        return false;
    for (size_t i = 1; i < length; ++i) {
        const uint8_t next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return false;
        cp = cp << 6 | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    out = cp;
    pos += length;
    return true;
}

char32_t Windows1252(uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kWindows1252High[byte - 0x80];
    return byte;
}

char32_t FoldCase(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    switch (c) {
    case 0x0152: // Œ
    case 0x0160: // Š
    case 0x017D: // Ž
        return c + 1;
    case 0x0178: // Ÿ
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

bool IsValidUtf8(std::string_view text)
{
    size_t pos = 0;
    char32_t ignored;
    while (pos < text.size()) {
        if (!DecodeUtf8At(text, pos, ignored))
            return false;
    }
    return true;
}

std::u32string DecodeModelText(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    if (IsValidUtf8(text)) {
        size_t pos = 0;
        char32_t c;
        while (pos < text.size() && DecodeUtf8At(text, pos, c))
            result.push_back(c);
    } else {
        for (char byte : text)
            result.push_back(Windows1252(static_cast<uint8_t>(byte)));
    }
    return result;
}

std::u32string FoldedText(std::string_view text)
{
    std::u32string result = DecodeModelText(text);
    for (char32_t& c : result)
        c = FoldCase(c);
    return result;
}

} // namespace maprune
