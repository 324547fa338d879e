// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calculator/evaluator.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "core/error.h"
#include "tools/calculator/operators.h"
#include "tools/calculator/parser.h"

namespace maprune {

namespace {

struct BuiltIn {
    std::string_view Name;
    long double (*Apply)(long double);
};

const BuiltIn kBuiltIns[] = {
    { "sin", [](long double x) { return std::sin(x); } },
    { "cos", [](long double x) { return std::cos(x); } },
    { "tan", [](long double x) { return std::tan(x); } },
    { "asin", [](long double x) { return std::asin(x); } },
    { "arcsin", [](long double x) { return std::asin(x); } },
    { "acos", [](long double x) { return std::acos(x); } },
    { "arccos", [](long double x) { return std::acos(x); } },
    { "atan", [](long double x) { return std::atan(x); } },
    { "arctan", [](long double x) { return std::atan(x); } },
    { "sinh", [](long double x) { return std::sinh(x); } },
    { "cosh", [](long double x) { return std::cosh(x); } },
    { "tanh", [](long double x) { return std::tanh(x); } },
    { "asinh", [](long double x) { return std::asinh(x); } },
    { "arcsinh", [](long double x) { return std::asinh(x); } },
    { "acosh", [](long double x) { return std::acosh(x); } },
    { "arccosh", [](long double x) { return std::acosh(x); } },
    { "atanh", [](long double x) { return std::atanh(x); } },
    { "arctanh", [](long double x) { return std::atanh(x); } },
    { "ln", [](long double x) { return std::log(x); } },
    { "lg", [](long double x) { return std::log10(x); } },
    { "log", [](long double x) { return std::log10(x); } },
    { "ld", [](long double x) { return std::log2(x); } },
    { "exp", [](long double x) { return std::exp(x); } },
    { "cotan", [](long double x) { return 1 / std::tan(x); } },
    { "ceil", [](long double x) { return std::ceil(x); } },
    { "floor", [](long double x) { return std::floor(x); } },
};

const BuiltIn* FindBuiltIn(std::string_view name)
{
    for (const BuiltIn& function : kBuiltIns) {
        if (function.Name == name)
            return &function;
    }
    return nullptr;
}

// Runs a host event; an Error it throws is reported inside `context`.
template <class Call> void CallHost(const std::string& context, Call&& call)
{
    try {
        call();
    } catch (const Error& error) {
        throw Error(context + error.what());
    }
}

std::optional<ObjectRef> ObjectOf(const TValue& value)
{
    if (value.IsObject())
        return value.Object();
    uint32_t handle = 0;
    if (value.IsString() && ParseClassRef(value.String(), handle))
        return ObjectRef { handle, {} };
    return std::nullopt;
}

bool BeginsWith(const TValue& value, std::string_view prefix)
{
    return value.IsString() && value.String().compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::unique_ptr<TExpression> TEvaluator::Parse(std::string_view text)
{
    return ParseExpression(text);
}

TValues TEvaluator::EvaluateAll(const std::vector<std::unique_ptr<TExpression>>& nodes) const
{
    TValues values;
    values.reserve(nodes.size());
    for (const auto& node : nodes)
        values.push_back(Evaluate(*node));
    return values;
}

TValue TEvaluator::Evaluate(const TExpression& node) const
{
    switch (node.Kind) {
    case NodeKind::IntegerConstant:
        return TValue(node.Integer);
    case NodeKind::RealConstant:
        return TValue(node.Real);
    case NodeKind::StringConstant:
        return TValue(node.Name);
    case NodeKind::Infix: {
        const TValue left = Evaluate(*node.Left);
        return ApplyInfix(node.Name, left, Evaluate(*node.Right));
    }
    case NodeKind::Prefix:
        return ApplyPrefix(node.Name, Evaluate(*node.Left));
    case NodeKind::Variable:
        return Variable(node);
    case NodeKind::FunctionCall:
        return Function(node);
    case NodeKind::MethodCall:
        return Method(node);
    case NodeKind::Property:
        return Property(node);
    }
    throw Error("TEvaluator.Evaluate: unknown node kind");
}

TValue TEvaluator::Variable(const TExpression& node) const
{
    if (node.Name == "pi" || node.Name == "e") {
        if (!node.Arguments.empty())
            throw Error("keine Indizes erwartet an dieser Stelle");
        return TValue(node.Name == "pi" ? std::numbers::pi : std::numbers::e);
    }
    const TValues indices = EvaluateAll(node.Arguments);
    TValue value;
    if (OnGetVariable)
        CallHost("beim Auswerten von " + node.Name + "[...] ist folgender Fehler aufgetreten: ",
            [&] { OnGetVariable(node.Name, value, indices); });
    if (value.IsUnassigned())
        throw Error("Variable/Konstante nicht definiert");
    return value;
}

TValue TEvaluator::Function(const TExpression& node) const
{
    const TValues arguments = EvaluateAll(node.Arguments);
    if (const BuiltIn* function = FindBuiltIn(node.Name)) {
        if (arguments.size() != 1)
            throw Error("DoFunctionCall: Funktion \"" + node.Name
                + "\" benötigt genau einen Paramter");
        const long double result = function->Apply(arguments[0].Number());
        if (std::isnan(result))
            throw Error("Ungültige Gleitkommaoperation");
        if (node.Name == "ceil" || node.Name == "floor")
            return TValue::FromWide(result);
        return TValue(static_cast<double>(result));
    }
    TValue value;
    if (OnFunctionCall)
        CallHost("beim Auswerten von " + node.Name + "(...) ist folgender Fehler aufgetreten: ",
            [&] { OnFunctionCall(node.Name, value, arguments); });
    if (value.IsUnassigned())
        throw Error("unbekannte Funktion");
    return value;
}

TValue TEvaluator::Method(const TExpression& node) const
{
    const TValue object = Evaluate(*node.Left);
    const TValues arguments = EvaluateAll(node.Arguments);
    const std::string className = object.IsObject() ? object.Object().ClassName : std::string();
    TValue value;
    if (OnMethodCall)
        CallHost("Fehler beim Aufrufen der Methode " + className + "." + node.Name + ": ",
            [&] { OnMethodCall(object, className, node.Name, value, arguments); });
    if (value.IsUnassigned())
        throw Error("unbekannte Methode");
    return value;
}

TValue TEvaluator::Property(const TExpression& node) const
{
    const TValue object = Evaluate(*node.Left);
    const TValues indices = EvaluateAll(node.Arguments);
    TValue value;
    if (const std::optional<ObjectRef> ref = ObjectOf(object)) {
        const std::string owner = ref->ClassName.empty() ? object.Text() : ref->ClassName;
        if (OnGetProperty)
            CallHost("Fehler beim ermitteln der Eigenschaft " + owner + "." + node.Name + ": ",
                [&] { OnGetProperty(*ref, node.Name, value, indices); });
    } else if (BeginsWith(object, kClassRefPrefix)) {
        // A reference text that no handle can stand for.
    } else if (BeginsWith(object, kRecordRefPrefix)) {
        if (OnGetRecordProperty)
            CallHost("Fehler beim Ermitteln der Eigenschaft " + object.Text() + "." + node.Name
                    + ": ",
                [&] { OnGetRecordProperty(object.String(), node.Name, value, indices); });
    } else {
        throw Error("Evaluate - ekProperty: item is neither class nor record");
    }
    if (value.IsUnassigned())
        throw Error("unbekannte Eigenschaft");
    return value;
}

} // namespace maprune
