// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_encoding.h"

#include <cstdint>

#include "core/model_text.h"

namespace maprune {

namespace {

// Code points of Windows-1252 bytes 0x80..0x9F; 0 marks the five undefined
// bytes, which are passed through as the C1 control of the same number.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`; returns its length, 0 when invalid.
size_t DecodeUtf8(std::string_view s, size_t pos, char32_t& cp)
{
    const auto b0 = static_cast<uint8_t>(s[pos]);
    size_t len;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > s.size())
        return 0;
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<uint8_t>(s[pos + i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

std::string DisplayText(std::string_view modelBytes)
{
    if (IsValidUtf8(modelBytes))
        return std::string(modelBytes);
    std::string out;
    out.reserve(modelBytes.size() + modelBytes.size() / 4);
    for (char c : modelBytes) {
        const auto b = static_cast<uint8_t>(c);
        if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] != 0)
            AppendUtf8(out, kCp1252High[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    char32_t cp;
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t len = DecodeUtf8(utf8, pos, cp);
        if (len == 0) {
            out += static_cast<char>(utf8[pos++]);
            continue;
        }
        pos += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (kCp1252High[i] == cp)
                mapped = static_cast<char>(0x80 + i);
        }
        out += mapped;
    }
    return out;
}

} // namespace maprune
