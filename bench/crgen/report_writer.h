// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace maprune::crgen::detail {

// Writes the lines of a report; texts are held in UTF-8 and converted on
// output when the report is to be in Windows-1252, keys as well as values.
// With escapes (today's format) quotes and backslashes in strings are
// written as \" and \\.
class ReportWriter {
public:
    ReportWriter(bool utf8, bool escapes) : FUtf8(utf8), FEscapes(escapes) {}

    void Head(std::string_view block) { Line(block); }
    void Head(std::string_view block, const std::string& params) { Line(std::string(block) + " " + params); }
    void Int(int64_t value, std::string_view key)
    {
        FOut += std::to_string(value);
        FOut += ';';
        Append(key);
        FOut += '\n';
    }
    void Text(std::string_view value, std::string_view key)
    {
        FOut += '"';
        AppendString(value);
        FOut += "\";";
        Append(key);
        FOut += '\n';
    }
    void TextLine(std::string_view value)
    {
        FOut += '"';
        AppendString(value);
        FOut += "\"\n";
    }
    void Line(std::string_view text)
    {
        Append(text);
        FOut += '\n';
    }
    std::string Take() { return std::move(FOut); }
    void Reserve(size_t bytes) { FOut.reserve(bytes); }

private:
    void AppendString(std::string_view utf8)
    {
        if (!FEscapes) {
            Append(utf8);
            return;
        }
        size_t from = 0;
        for (size_t stop = utf8.find_first_of("\"\\"); stop != std::string_view::npos;
             stop = utf8.find_first_of("\"\\", from)) {
            Append(utf8.substr(from, stop - from));
            FOut += '\\';
            FOut += utf8[stop];
            from = stop + 1;
        }
        Append(utf8.substr(from));
    }

    void Append(std::string_view utf8)
    {
        if (FUtf8) {
            FOut += utf8;
            return;
        }
        for (size_t i = 0; i < utf8.size(); ++i) {
            const auto c = static_cast<unsigned char>(utf8[i]);
            // Two-byte sequences of Latin-1 letters (umlauts, ß) become one byte.
            if ((c == 0xC3 || c == 0xC2) && i + 1 < utf8.size()) {
                FOut += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
                ++i;
            } else {
                FOut += static_cast<char>(c);
            }
        }
    }

    bool FUtf8;
    bool FEscapes;
    std::string FOut;
};

} // namespace maprune::crgen::detail
