// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "tools/calculator/value.h"

namespace maprune {

enum class TokenKind : uint8_t { End, Number, String, Identifier, Operator, Symbol };

struct TToken {
    TokenKind Kind = TokenKind::End;
    size_t Position = 0; // of the first character, counted from 1
    std::string Text; // identifier, operator, string (escapes resolved), symbol
    TValue Number; // an integer, or a real for fractions and large values
};

// Splits calculator text into tokens. Characters below code 33 separate
// tokens. Numbers: leading zeros, an optional base letter (b, o, d, x, z),
// digits, an optional fraction after ".", an optional exponent after "#" (or
// "E"/"e" in bases up to 14). Strings: double quotes with C escapes; strings
// separated only by blanks are joined. Operators: the longest run of
// "%&*+-/<=>^|" that still begins a known infix operator. Every other
// character is a symbol of its own. Throws Error on a malformed number or
// string.
class TLexer {
public:
    explicit TLexer(std::string_view text) : FText(text) {}

    const TToken& Peek();
    TToken Next();

private:
    TToken Read();
    TToken ReadNumber();
    TToken ReadString();
    std::string ReadOneString();
    char ReadEscape();
    void SkipBlanks();

    std::string_view FText;
    size_t FPos = 0;
    TToken FPeeked;
    bool FHasPeeked = false;
};

} // namespace maprune
