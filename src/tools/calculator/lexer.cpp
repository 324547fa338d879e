// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calculator/lexer.h"

#include <cctype>
#include <cmath>

#include "core/error.h"
#include "tools/calculator/expression.h"

namespace maprune {

namespace {

constexpr std::string_view kOperatorCharacters = "%&*+-/<=>^|";
constexpr std::string_view kKnownOperators[] = { "=", "==", "<", ">", "<>", "<=", ">=", "+", "-",
    "|", "||", "^", "*", "/", "%", "<<", ">>", "&", "&&" };
// Exponents beyond this overflow or vanish anyway; the cap keeps the
// accumulation finite.
constexpr int kExponentCap = 100000;

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int DigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

int BaseOfLetter(char c)
{
    switch (c) {
    case 'b':
    case 'B':
        return 2;
    case 'o':
    case 'O':
        return 8;
    case 'd':
    case 'D':
        return 10;
    case 'x':
    case 'X':
        return 16;
    case 'z':
    case 'Z':
        return 36;
    default:
        return 0;
    }
}

bool BeginsKnownOperator(std::string_view run)
{
    for (std::string_view op : kKnownOperators) {
        if (op.substr(0, run.size()) == run)
            return true;
    }
    return false;
}

std::string PositionText(size_t position)
{
    return "(" + std::to_string(position) + ") ";
}

} // namespace

int OperatorLevel(std::string_view text)
{
    for (std::string_view op : { "=", "==", "<", ">", "<>", "<=", ">=" })
        if (text == op)
            return 1;
    for (std::string_view op : { "+", "-", "|", "||", "^" })
        if (text == op)
            return 2;
    for (std::string_view op : { "*", "/", "%", "<<", ">>", "&", "&&" })
        if (text == op)
            return 3;
    return 0;
}

const TToken& TLexer::Peek()
{
    if (!FHasPeeked) {
        FPeeked = Read();
        FHasPeeked = true;
    }
    return FPeeked;
}

TToken TLexer::Next()
{
    if (FHasPeeked) {
        FHasPeeked = false;
        return std::move(FPeeked);
    }
    return Read();
}

void TLexer::SkipBlanks()
{
    while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) < 33)
        ++FPos;
}

TToken TLexer::Read()
{
    SkipBlanks();
    TToken token;
    token.Position = FPos + 1;
    if (FPos >= FText.size())
        return token;
    const char c = FText[FPos];
    if (IsDigit(c))
        return ReadNumber();
    if (c == '"')
        return ReadString();
    if (IsLetter(c) || c == '_') {
        const size_t begin = FPos;
        while (FPos < FText.size()
            && (IsLetter(FText[FPos]) || IsDigit(FText[FPos]) || FText[FPos] == '_'))
            ++FPos;
        token.Kind = TokenKind::Identifier;
        token.Text = std::string(FText.substr(begin, FPos - begin));
        return token;
    }
    if (kOperatorCharacters.find(c) != std::string_view::npos) {
        size_t length = 1;
        while (FPos + length < FText.size()
            && kOperatorCharacters.find(FText[FPos + length]) != std::string_view::npos
            && BeginsKnownOperator(FText.substr(FPos, length + 1)))
            ++length;
        token.Kind = TokenKind::Operator;
        token.Text = std::string(FText.substr(FPos, length));
        FPos += length;
        return token;
    }
    token.Kind = TokenKind::Symbol;
    token.Text = std::string(1, c);
    ++FPos;
    return token;
}

TToken TLexer::ReadNumber()
{
    TToken token;
    token.Kind = TokenKind::Number;
    token.Position = FPos + 1;
    while (FPos < FText.size() && FText[FPos] == '0')
        ++FPos;
    int base = 10;
    if (FPos < FText.size() && BaseOfLetter(FText[FPos]) != 0)
        base = BaseOfLetter(FText[FPos++]);
    const auto isExponentMark = [&](char c) {
        return c == '#' || (base <= 14 && (c == 'e' || c == 'E'));
    };
    const auto readDigits = [&](auto&& add) {
        while (FPos < FText.size() && (IsDigit(FText[FPos]) || IsLetter(FText[FPos]))
            && !isExponentMark(FText[FPos])) {
            const int digit = DigitValue(FText[FPos]);
            if (digit >= base)
                throw Error(std::string(1, FText[FPos]) + " ist keine gültige Ziffer im Zahlensystem der Basis "
                    + std::to_string(base));
            add(digit);
            ++FPos;
        }
    };
    long double value = 0;
    readDigits([&](int digit) { value = value * base + digit; });
    if (FPos < FText.size() && FText[FPos] == '.') {
        ++FPos;
        long double scale = 1;
        readDigits([&](int digit) {
            scale /= base;
            value += digit * scale;
        });
    }
    if (FPos < FText.size() && isExponentMark(FText[FPos])) {
        ++FPos;
        int sign = 1;
        if (FPos < FText.size() && (FText[FPos] == '+' || FText[FPos] == '-'))
            sign = FText[FPos++] == '-' ? -1 : 1;
        if (FPos >= FText.size() || !IsDigit(FText[FPos]))
            throw Error("Syntaxfehler in Realzahl! Exponent ist unvollständig");
        int exponent = 0;
        while (FPos < FText.size() && IsDigit(FText[FPos])) {
            exponent = std::min(exponent * 10 + (FText[FPos] - '0'), kExponentCap);
            ++FPos;
        }
        if (FPos < FText.size() && IsLetter(FText[FPos]))
            throw Error(std::string(1, FText[FPos]) + " ist keine gültige Ziffer");
        if (value != 0)
            value *= std::pow(static_cast<long double>(base), sign * exponent);
    }
    // Literals beyond 32 bits become reals instead of wrapping around.
    token.Number = TValue::FromWide(value);
    return token;
}

TToken TLexer::ReadString()
{
    TToken token;
    token.Kind = TokenKind::String;
    token.Position = FPos + 1;
    token.Text = ReadOneString();
    for (;;) {
        const size_t afterString = FPos;
        SkipBlanks();
        if (FPos >= FText.size() || FText[FPos] != '"') {
            FPos = afterString;
            return token;
        }
        token.Text += ReadOneString();
    }
}

std::string TLexer::ReadOneString()
{
    const size_t begin = FPos + 1;
    ++FPos; // the opening quote
    std::string text;
    while (FPos < FText.size() && FText[FPos] != '"') {
        if (FText[FPos] == '\\') {
            ++FPos;
            text += ReadEscape();
        } else {
            text += FText[FPos++];
        }
    }
    if (FPos >= FText.size())
        throw Error(PositionText(begin) + "Zeichenkette ohne schließendes \"");
    ++FPos;
    return text;
}

char TLexer::ReadEscape()
{
    if (FPos >= FText.size())
        return '\\'; // the missing closing quote is reported by the caller
    const char c = FText[FPos++];
    switch (c) {
    case 'a':
        return 7;
    case 'b':
        return 8;
    case 'f':
        return 12;
    case 'n':
        return 10;
    case 'r':
        return 13;
    case 't':
        return 9;
    case 'v':
        return 11;
    case '\\':
    case '\'':
    case '"':
    case '?':
        return c;
    case 'x':
    case 'X': {
        int code = 0;
        for (int i = 0; i < 2 && FPos < FText.size() && std::isxdigit(static_cast<unsigned char>(FText[FPos])); ++i)
            code = code * 16 + DigitValue(FText[FPos++]);
        return static_cast<char>(code);
    }
    default:
        break;
    }
    if (c >= '0' && c <= '7') {
        int code = c - '0';
        for (int i = 0; i < 2 && FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '7'
             && code * 8 + (FText[FPos] - '0') <= 255;
             ++i)
            code = code * 8 + (FText[FPos++] - '0');
        return static_cast<char>(code);
    }
    throw Error("Unbekanntes Zeichen im Escape-Code: " + std::string(1, c));
}

} // namespace maprune
