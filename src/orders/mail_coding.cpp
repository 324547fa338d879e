// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/mail_coding.h"

#include <cstdint>

namespace maprune {

namespace {

constexpr size_t kMaxEncodedLine = 76;
const char kHex[] = "0123456789ABCDEF";

} // namespace

std::string Base64(std::string_view bytes)
{
    static const char kDigits[]
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
        if (left > 1)
            group |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        if (left > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        out += kDigits[(group >> 18) & 63];
        out += kDigits[(group >> 12) & 63];
        out += left > 1 ? kDigits[(group >> 6) & 63] : '=';
        out += left > 2 ? kDigits[group & 63] : '=';
    }
    return out;
}

bool IsPlainAscii(std::string_view bytes)
{
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0 || byte > 127)
            return false;
    }
    return true;
}

std::vector<std::string> QuotedPrintableLines(std::string_view line)
{
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        const bool last = i + 1 == line.size();
        // Blanks at the end of a line would be lost on the way.
        const bool literal = (byte >= 33 && byte <= 126 && byte != '=')
            || ((byte == ' ' || byte == '\t') && !last);
        std::string token;
        if (literal) {
            token = static_cast<char>(byte);
        } else {
            token = { '=', kHex[byte >> 4], kHex[byte & 15] };
        }
        // Room for the soft break's "=" unless this is the line's last token.
        const size_t room = last ? kMaxEncodedLine : kMaxEncodedLine - 1;
        if (current.size() + token.size() > room) {
            lines.push_back(current + '=');
            current.clear();
        }
        current += token;
    }
    lines.push_back(current);
    return lines;
}

std::string HeaderText(std::string_view utf8)
{
    if (IsPlainAscii(utf8))
        return std::string(utf8);
    return "=?UTF-8?B?" + Base64(utf8) + "?=";
}

std::string OneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n' && c != '\0')
            out += c;
    }
    return out;
}

} // namespace maprune
