// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace maprune {

class ByteSink;
class TLines;

// Writes the line kinds of the CR format, each ending in CR LF, into a sink.
// Text is written as it stands: a double quote inside a value is not
// escaped (the older format has no escapes), unless SetEscapes asks for
// today's escapes \" and \\. Lines are gathered and handed to the
// sink in large pieces; Finish hands over the rest, and a writer that stops
// early (after a throw) simply drops what it gathered.
class CRLineWriter {
public:
    explicit CRLineWriter(ByteSink& sink);
    CRLineWriter(const CRLineWriter&) = delete;
    CRLineWriter& operator=(const CRLineWriter&) = delete;

    // Strings and text lines from now on with (true) or without escapes.
    void SetEscapes(bool on) { FEscapes = on; }

    // A block head: the name, then each number after one blank.
    void Head(std::string_view block, std::initializer_list<int32_t> numbers = {});
    // "value;key".
    void Int(int32_t value, std::string_view key);
    // "\"value\";key".
    void String(std::string_view value, std::string_view key);
    // "\"text\"": a line of a line block.
    void Text(std::string_view text);
    // "days level;name": a talent line.
    void Pair(int32_t first, int32_t second, std::string_view key);
    // A line block: the head and one text line per line; nothing when there
    // are no lines.
    void Block(std::string_view block, const TLines& lines);

    // Hands the gathered lines to the sink.
    void Finish();

private:
    void Number(int32_t value);
    void Quoted(std::string_view text);
    void EndLine();

    ByteSink& FSink;
    std::string FBuffer;
    bool FEscapes = false;
};

} // namespace maprune
