// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cr_tokenizer.h"

#include <algorithm>
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

const char* FindByte(const char* from, const char* end, char byte)
{
    return static_cast<const char*>(std::memchr(from, byte, static_cast<size_t>(end - from)));
}

} // namespace

int64_t CountCRLines(std::string_view bytes)
{
    if (bytes.empty())
        return 0;
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    int64_t lines = std::count(begin, end, '\n');
    // A CR ends a line of its own unless an LF follows it.
    for (const char* p = FindByte(begin, end, '\r'); p != nullptr; p = FindByte(p + 1, end, '\r')) {
        if (p + 1 == end || p[1] != '\n')
            ++lines;
    }
    if (end[-1] != '\n' && end[-1] != '\r')
        ++lines;
    return lines;
}

CRTokenizer::CRTokenizer(std::string_view bytes) : FBytes(bytes), FLineCount(CountCRLines(bytes)) {}

bool CRTokenizer::ReadLine(std::string_view& line)
{
    if (FPos >= FBytes.size())
        return false;
    const char* const start = FBytes.data() + FPos;
    const char* const end = FBytes.data() + FBytes.size();
    const char* lf = FindByte(start, end, '\n');
    const char* const lineEnd = lf != nullptr ? lf : end;
    const char* cr = FindByte(start, lineEnd, '\r');
    size_t next;
    if (cr != nullptr) {
        line = std::string_view(start, static_cast<size_t>(cr - start));
        next = static_cast<size_t>(cr - FBytes.data()) + (cr + 1 == lf ? 2 : 1);
    } else {
        line = std::string_view(start, static_cast<size_t>(lineEnd - start));
        next = static_cast<size_t>(lineEnd - FBytes.data()) + (lf != nullptr ? 1 : 0);
    }
    FPos = next;
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
        token.Params.assign(blank == std::string_view::npos ? std::string_view() : value.substr(blank + 1));
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

} // namespace maprune
