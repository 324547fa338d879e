// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tools/calculator/expression.h"
#include "tools/calculator/value.h"

namespace maprune {

using TValues = std::vector<TValue>;

// The calculator language: parses a text into a tree and evaluates it. It
// knows numbers, strings, the operators, the mathematical functions and the
// constants "pi" and "e"; every other name goes to the host through the
// events, which set `value` or leave it unassigned ("not found") and may
// throw Error. All events are optional.
class TEvaluator {
public:
    std::function<void(const std::string& name, TValue& value, const TValues& arguments)>
        OnFunctionCall;
    std::function<void(const TValue& object, const std::string& className,
        const std::string& name, TValue& value, const TValues& arguments)>
        OnMethodCall;
    std::function<void(const std::string& name, TValue& value, const TValues& indices)>
        OnGetVariable;
    std::function<void(const ObjectRef& object, const std::string& name, TValue& value,
        const TValues& indices)>
        OnGetProperty;
    std::function<void(const std::string& record, const std::string& name, TValue& value,
        const TValues& indices)>
        OnGetRecordProperty;

    // The whole text as a tree (ParseExpression); throws Error.
    static std::unique_ptr<TExpression> Parse(std::string_view text);
    // The value of `tree`; throws Error with the message of the failure.
    TValue Evaluate(const TExpression& tree) const;

private:
    TValues EvaluateAll(const std::vector<std::unique_ptr<TExpression>>& nodes) const;
    TValue Variable(const TExpression& node) const;
    TValue Function(const TExpression& node) const;
    TValue Method(const TExpression& node) const;
    TValue Property(const TExpression& node) const;
};

} // namespace maprune
