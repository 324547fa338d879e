// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cr_tokenizer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace maprune {

namespace {

void SetEndOfFile(CRToken& token)
{
    token.Block.clear();
    token.Params.clear();
    token.Key.clear();
    token.Value.clear();
    token.LineType = CRLineType::EndOfFile;
}

std::string_view TrimRightBlanks(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsQuoted(std::string_view text)
{
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

// Word-at-a-time helpers over eight bytes in memory order.
uint64_t LoadWord(const char* p)
{
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

constexpr uint64_t Repeated(unsigned char byte)
{
    return 0x0101010101010101ull * byte;
}

// The high bit of every byte of `word` that is not zero.
uint64_t NonZeroBytes(uint64_t word)
{
    const uint64_t low7 = Repeated(0x7F);
    return (((word & low7) + low7) | word) & Repeated(0x80);
}

// The number of bytes whose high bit is set in a word of NonZeroBytes; a
// multiplication sums them without relying on a popcount instruction.
int CountMarkedBytes(uint64_t marks)
{
    return static_cast<int>(((marks >> 7) * Repeated(1)) >> 56);
}

// Whether a byte of `word` is below `limit` (at most 128).
bool HasByteBelow(uint64_t word, unsigned char limit)
{
    return ((word - Repeated(limit)) & ~word & Repeated(0x80)) != 0;
}

const char* FindByte(const char* from, const char* end, char byte)
{
    return static_cast<const char*>(std::memchr(from, byte, static_cast<size_t>(end - from)));
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Appends `text` to `out` with \" and \\ resolved, up to the first unescaped
// quote, and returns that quote's position; npos when there is none. Any
// other backslash stands for itself.
size_t AppendUnescaped(std::string_view text, std::string& out)
{
    size_t from = 0;
    for (;;) {
        // Most strings hold no backslash: two byte searches find the end.
        const size_t quote = text.find('"', from);
        const size_t stop = text.substr(0, quote).find('\\', from);
        if (stop == std::string_view::npos) {
            out.append(text.substr(from, quote == std::string_view::npos ? quote : quote - from));
            return quote;
        }
        out.append(text.substr(from, stop - from));
        const bool escape
            = stop + 1 < text.size() && (text[stop + 1] == '"' || text[stop + 1] == '\\');
        out += escape ? text[stop + 1] : '\\';
        from = stop + (escape ? 2 : 1);
    }
}

} // namespace

int64_t CountCRLines(std::string_view bytes)
{
    if (bytes.empty())
        return 0;
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    int64_t lines = 0;
    const char* p = begin;
    for (; end - p >= 8; p += 8)
        lines += 8 - CountMarkedBytes(NonZeroBytes(LoadWord(p) ^ Repeated('\n')));
    lines += std::count(p, end, '\n');
    // A CR ends a line of its own unless an LF follows it.
    for (const char* cr = FindByte(begin, end, '\r'); cr != nullptr;
         cr = FindByte(cr + 1, end, '\r')) {
        if (cr + 1 == end || cr[1] != '\n')
            ++lines;
    }
    if (end[-1] != '\n' && end[-1] != '\r')
        ++lines;
    return lines;
}

bool StartsWithByteOrderMark(std::string_view bytes)
{
    return bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark;
}

CRTokenizer::CRTokenizer(std::string_view bytes)
    : FBytes(bytes)
    , FLineCount(CountCRLines(bytes))
    , FEndsInsideALine(!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r')
{
    if (StartsWithByteOrderMark(bytes))
        FPos = kByteOrderMark.size();
}

bool CRTokenizer::ReadLine(std::string_view& line)
{
    if (FPos >= FBytes.size())
        return false;
    const char* const start = FBytes.data() + FPos;
    const char* const end = FBytes.data() + FBytes.size();
    // Skip eight bytes at a time while none of them is a control character;
    // lines are too short for library searches to pay off.
    const char* p = start;
    while (end - p >= 8 && !HasByteBelow(LoadWord(p), '\r' + 1))
        p += 8;
    while (p != end && *p != '\n' && *p != '\r')
        ++p;
    line = std::string_view(start, static_cast<size_t>(p - start));
    if (p != end && *p == '\r' && p + 1 != end && p[1] == '\n')
        ++p;
    FPos = static_cast<size_t>(p - FBytes.data()) + (p != end ? 1 : 0);
    ++FLineIndex;
    return true;
}

void CRTokenizer::Next(CRToken& token)
{
    std::string_view line;
    do {
        if (!ReadLine(line)) {
            SetEndOfFile(token);
            return;
        }
    } while (line.empty());

    if (FEscapes && line.front() == '"') {
        ReadEscapedValue(line, token);
        return;
    }
    std::string_view value = line;
    std::string_view key;
    const bool startsQuoted = line.front() == '"';
    if (startsQuoted && IsQuoted(line)) {
        // The whole line is one quoted value, semicolons included.
    } else if (startsQuoted) {
        const size_t end = line.find("\";");
        if (end != std::string_view::npos) {
            value = line.substr(0, end + 1);
            key = line.substr(end + 2);
        }
    } else {
        const size_t semicolon = line.find(';');
        if (semicolon != std::string_view::npos) {
            value = line.substr(0, semicolon);
            key = line.substr(semicolon + 1);
        }
    }

    if (value.front() >= 'A' && value.front() <= 'Z') {
        const size_t blank = value.find(' ');
        const std::string_view block = value.substr(0, blank);
        token.Block.assign(block);
        token.Params.assign(
            blank == std::string_view::npos ? std::string_view() : value.substr(blank + 1));
        token.Key.assign(TrimRightBlanks(key));
        token.Value.assign(value);
        token.LineType = CRLineType::BlockHead;
        return;
    }
    if (value.front() == '"' && value.back() != '"') {
        ReadContinuedValue(value.substr(1), token);
        return;
    }
    if (IsQuoted(value))
        value = value.substr(1, value.size() - 2);
    token.Block.clear();
    token.Params.clear();
    token.Key.assign(TrimRightBlanks(key));
    token.Value.assign(value);
    token.LineType = CRLineType::Value;
}

void CRTokenizer::ReadContinuedValue(std::string_view firstPart, CRToken& token)
{
    token.Value.assign(firstPart);
    std::string_view line;
    for (;;) {
        if (!ReadLine(line)) {
            FEndsInsideALine = true;
            SetEndOfFile(token);
            return;
        }
        token.Value += "\r\n";
        const size_t quote = line.find('"');
        if (quote == std::string_view::npos) {
            token.Value += line;
            continue;
        }
        token.Value += line.substr(0, quote);
        const size_t semicolon = line.find(';');
        const std::string_view key = semicolon != std::string_view::npos && semicolon > quote
            ? line.substr(semicolon + 1)
            : std::string_view();
        token.Block.clear();
        token.Params.clear();
        token.Key.assign(TrimRightBlanks(key));
        token.LineType = CRLineType::Value;
        return;
    }
}

void CRTokenizer::ReadEscapedValue(std::string_view line, CRToken& token)
{
    token.Value.clear();
    std::string_view rest = line.substr(1);
    for (;;) {
        const size_t quote = AppendUnescaped(rest, token.Value);
        if (quote != std::string_view::npos) {
            const std::string_view after = rest.substr(quote + 1);
            const size_t semicolon = after.find(';');
            token.Block.clear();
            token.Params.clear();
            token.Key.assign(
                TrimRightBlanks(semicolon != std::string_view::npos ? after.substr(semicolon + 1)
                                                                    : std::string_view()));
            token.LineType = CRLineType::Value;
            return;
        }
        if (!ReadLine(rest)) {
            FEndsInsideALine = true;
            SetEndOfFile(token);
            return;
        }
        token.Value += "\r\n";
    }
}

} // namespace maprune
