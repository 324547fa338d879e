// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calculator/operators.h"

#include "core/error.h"

namespace maprune {

namespace {

bool IsText(const TValue& value)
{
    return value.IsString() || value.IsObject();
}

// Integer operands stay exact in 64 bits for every 32-bit operation; the
// result is an integer again only where it fits.
template <class Op> TValue Arithmetic(const TValue& left, const TValue& right, Op op)
{
    if (left.IsInteger() && right.IsInteger())
        return TValue::FromWide(static_cast<long double>(
            op(static_cast<int64_t>(left.Integer()), static_cast<int64_t>(right.Integer()))));
    return TValue(static_cast<double>(op(left.Number(), right.Number())));
}

int Compare(const TValue& left, const TValue& right)
{
    if (IsText(left) && IsText(right)) {
        const int order = left.Text().compare(right.Text());
        return (order > 0) - (order < 0);
    }
    const long double a = left.Number();
    const long double b = right.Number();
    return (a > b) - (a < b);
}

TValue Flag(bool value)
{
    return TValue(value ? 1 : 0);
}

} // namespace

TValue ApplyInfix(std::string_view op, const TValue& left, const TValue& right)
{
    if (op == "+") {
        // Two texts are joined; a text and a number add as numbers, so
        // "5" + 1 is 6 and "Felder: " + 5 is no number.
        if (IsText(left) && IsText(right))
            return TValue(left.Text() + right.Text());
        return Arithmetic(left, right, [](auto a, auto b) { return a + b; });
    }
    if (op == "-")
        return Arithmetic(left, right, [](auto a, auto b) { return a - b; });
    if (op == "*")
        return Arithmetic(left, right, [](auto a, auto b) { return a * b; });
    if (op == "/") {
        const long double divisor = right.Number();
        if (divisor == 0)
            throw Error("Division durch Null");
        return TValue(static_cast<double>(left.Number() / divisor));
    }
    if (op == "%") {
        const int64_t dividend = left.ToInteger();
        const int64_t divisor = right.ToInteger();
        if (divisor == 0)
            throw Error("Division durch Null");
        return TValue::FromWide(static_cast<long double>(dividend % divisor));
    }
    if (op == "&")
        return Flag(left.Truth() && right.Truth());
    if (op == "|")
        return Flag(left.Truth() || right.Truth());
    if (op == "&&")
        return TValue(left.ToInteger() & right.ToInteger());
    if (op == "||")
        return TValue(left.ToInteger() | right.ToInteger());
    if (op == "^")
        return TValue(left.ToInteger() ^ right.ToInteger());
    if (op == "==")
        return Flag(Compare(left, right) == 0);
    if (op == "<")
        return Flag(Compare(left, right) < 0);
    if (op == ">")
        return Flag(Compare(left, right) > 0);
    if (op == "<=")
        return Flag(Compare(left, right) <= 0);
    if (op == ">=")
        return Flag(Compare(left, right) >= 0);
    throw Error("Unbekannter Operator: " + std::string(op));
}

TValue ApplyPrefix(std::string_view op, const TValue& operand)
{
    if (op == "+")
        return operand;
    if (op == "-") {
        if (operand.IsInteger())
            return TValue::FromWide(-static_cast<long double>(operand.Integer()));
        return TValue(static_cast<double>(-operand.Number()));
    }
    if (op == "~")
        return TValue(~operand.ToInteger());
    if (op == "!")
        return Flag(!operand.Truth());
    throw Error("Unbekannter unärer Operator: " + std::string(op));
}

} // namespace maprune
