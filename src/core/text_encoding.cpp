// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_encoding.h"

#include <cstdint>

namespace maprune {

namespace {

// Windows-1252 bytes 0x80..0x9F by the code point they stand for.
constexpr char32_t kCp1252High[32]
    = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
          0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
          0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

char Cp1252Byte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == cp)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

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

std::string DisplayText(std::string_view modelBytes)
{
    // Most texts are plain ASCII, which both encodings share: copied at once.
    size_t ascii = 0;
    while (ascii < modelBytes.size() && static_cast<uint8_t>(modelBytes[ascii]) < 0x80)
        ++ascii;
    if (ascii == modelBytes.size() || IsValidUtf8(modelBytes.substr(ascii)))
        return std::string(modelBytes);
    // Not UTF-8: every byte is a Windows-1252 character (DecodeModelText),
    // written straight into the UTF-8 text, which takes at most three bytes
    // for each.
    std::string out(ascii + 3 * (modelBytes.size() - ascii), '\0');
    modelBytes.copy(out.data(), ascii);
    char* to = out.data() + ascii;
    for (const char byte : modelBytes.substr(ascii)) {
        const auto value = static_cast<uint8_t>(byte);
        const char32_t cp = value >= 0x80 && value <= 0x9F ? kCp1252High[value - 0x80] : value;
        if (cp < 0x80) {
            *to++ = byte;
        } else if (cp < 0x800) {
            *to++ = static_cast<char>(0xC0 | (cp >> 6));
            *to++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *to++ = static_cast<char>(0xE0 | (cp >> 12));
            *to++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *to++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    out.resize(static_cast<size_t>(to - out.data()));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (char32_t cp : DecodeModelText(utf8))
        out += Cp1252Byte(cp);
    return out;
}

} // namespace maprune
