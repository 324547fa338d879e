// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/cr_line_writer.h"

#include <array>
#include <charconv>

#include "core/byte_sink.h"
#include "model/lines.h"

namespace maprune {

namespace {

// Large enough that the sink's own cost is spread thin, small enough to stay
// in the processor's cache.
constexpr size_t kFlushBytes = 1 << 16;

} // namespace

CRLineWriter::CRLineWriter(ByteSink& sink)
    : FSink(sink)
{
    FBuffer.reserve(kFlushBytes + 4096);
}

void CRLineWriter::Number(int32_t value)
{
    std::array<char, 12> digits {};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    FBuffer.append(digits.data(), result.ptr);
}

void CRLineWriter::EndLine()
{
    FBuffer += "\r\n";
    if (FBuffer.size() >= kFlushBytes) {
        FSink.Write(FBuffer);
        FBuffer.clear();
    }
}

void CRLineWriter::Head(std::string_view block, std::initializer_list<int32_t> numbers)
{
    FBuffer += block;
    for (const int32_t n : numbers) {
        FBuffer += ' ';
        Number(n);
    }
    EndLine();
}

void CRLineWriter::Int(int32_t value, std::string_view key)
{
    Number(value);
    FBuffer += ';';
    FBuffer += key;
    EndLine();
}

void CRLineWriter::Quoted(std::string_view text)
{
    FBuffer += '"';
    if (!FEscapes) {
        FBuffer += text;
    } else {
        for (const char c : text) {
            if (c == '"' || c == '\\')
                FBuffer += '\\';
            FBuffer += c;
        }
    }
    FBuffer += '"';
}

void CRLineWriter::String(std::string_view value, std::string_view key)
{
    Quoted(value);
    FBuffer += ';';
    FBuffer += key;
    EndLine();
}

void CRLineWriter::Text(std::string_view text)
{
    Quoted(text);
    EndLine();
}

void CRLineWriter::Pair(int32_t first, int32_t second, std::string_view key)
{
    Number(first);
    FBuffer += ' ';
    Number(second);
    FBuffer += ';';
    FBuffer += key;
    EndLine();
}

void CRLineWriter::Block(std::string_view block, const TLines& lines)
{
    if (lines.Count() == 0)
        return;
    Head(block);
    for (const std::string& line : lines.Lines())
        Text(line);
}

void CRLineWriter::Finish()
{
    if (!FBuffer.empty())
        FSink.Write(FBuffer);
    FBuffer.clear();
}

} // namespace maprune
