// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "tools/calculator/evaluator.h"

namespace maprune {

class TReport;
class TReportItem;

// The calculator over a report: the variables "einheit", "burg",
// "gebaeude", "schiff", "region", "partei" and "report" give model objects,
// and a property of an object is read through its class's property table
// (German aliases exact, property names in any letter case). Object
// references are handles into a table of the objects handed out during the
// present evaluation; they are valid until the next evaluation and never
// outlive a change of the report. Evaluation changes nothing in the model
// (the region index is built on demand).
class TReportCalculator {
public:
    // `report` may be null: then no host name is known.
    explicit TReportCalculator(TReport* report);
    TReportCalculator(const TReportCalculator&) = delete;
    TReportCalculator& operator=(const TReportCalculator&) = delete;

    // Evaluates a parsed tree, starting a new table of handed-out objects;
    // throws Error.
    TValue Evaluate(const TExpression& tree);
    // The model object a value refers to, when it is a reference handed out
    // by the last evaluation; null otherwise.
    TReportItem* ObjectOf(const TValue& value) const;

private:
    void GetVariable(const std::string& name, TValue& value, const TValues& indices);
    void GetProperty(const ObjectRef& object, const std::string& name, TValue& value,
        const TValues& indices);
    TValue HandOut(TReportItem* item);
    TReportItem* Resolve(uint32_t handle) const;

    TReport* FReport;
    TEvaluator FEvaluator;
    std::vector<TReportItem*> FObjects; // handle h is FObjects[h - 1]
};

// The target of a property alias ("bauern" gives "peasants"), compared
// exactly; the name itself when it is no alias.
std::string_view ResolvePropertyAlias(std::string_view name);

} // namespace maprune
