// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/cr_interface.h"

namespace maprune {

// Cuts the bytes of a computer report into tokens, one line (or one quoted
// value continued over several lines) at a time. Lines end at CR LF, LF or
// CR; empty lines are skipped; a UTF-8 byte-order mark at the start is
// dropped. The tokenizer does not own the bytes: they must outlive it.
class CRTokenizer {
public:
    explicit CRTokenizer(std::string_view bytes);

    // Reads the next token into `token`, reusing its strings' storage. At the
    // end of the bytes the token becomes the end-of-file token, again on
    // every further call.
    void Next(CRToken& token);

    // From now on quoted values may hold \" and \\, which stand for a
    // quote and a backslash; the value ends at the first unescaped quote.
    void SetEscapes(bool on) { FEscapes = on; }

    // 1-based number of the last line read; 0 before the first.
    int64_t LineIndex() const { return FLineIndex; }
    // Number of lines of the bytes, counted once at construction.
    int64_t LineCount() const { return FLineCount; }
    // Whether the bytes end inside a line: the last line has no line end, or
    // a quoted value read so far ran into the end of the bytes.
    bool EndsInsideALine() const { return FEndsInsideALine; }

private:
    // The next line without its terminator; false at the end of the bytes.
    bool ReadLine(std::string_view& line);
    void ReadContinuedValue(std::string_view firstPart, CRToken& token);
    // The quoted line of a report with escapes (SetEscapes).
    void ReadEscapedValue(std::string_view line, CRToken& token);

    std::string_view FBytes;
    size_t FPos = 0;
    int64_t FLineIndex = 0;
    int64_t FLineCount = 0;
    bool FEscapes = false;
    bool FEndsInsideALine = false;
};

// Whether `bytes` begin with the UTF-8 byte-order mark.
bool StartsWithByteOrderMark(std::string_view bytes);

// Counts lines as the tokenizer splits them: a final terminator starts no
// further line, and empty bytes have no line.
int64_t CountCRLines(std::string_view bytes);

} // namespace maprune
