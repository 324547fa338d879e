// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace maprune {

// The nine kinds of nodes of a calculator expression tree.
enum class NodeKind : uint8_t {
    Infix = 0, // Name: operator text; Left and Right: operands
    FunctionCall = 1, // Name; Arguments
    MethodCall = 2, // Left: object expression; Name; Arguments
    Variable = 3, // Name; Arguments: the indices
    RealConstant = 4, // Real
    StringConstant = 5, // Name: the text
    IntegerConstant = 6, // Integer
    Prefix = 7, // Name: the operator character; Left: operand
    Property = 8, // Left: object expression; Name; Arguments: the indices
};

// One node; it owns its operands and arguments, so freeing the root frees
// the whole tree.
struct TExpression {
    NodeKind Kind = NodeKind::IntegerConstant;
    size_t Position = 0; // of the node's first character, counted from 1
    std::string Name;
    bool Parenthesised = false; // an infix operator written in "(" ")"
    int32_t Integer = 0;
    double Real = 0;
    std::unique_ptr<TExpression> Left;
    std::unique_ptr<TExpression> Right;
    std::vector<std::unique_ptr<TExpression>> Arguments;
};

// The precedence level of an infix operator text: 1 for "=", "==", "<",
// ">", "<>", "<=", ">="; 2 for "+", "-", "|", "||", "^"; 3 for "*", "/",
// "%", "<<", ">>", "&", "&&"; 0 for any other text.
int OperatorLevel(std::string_view text);

} // namespace maprune
