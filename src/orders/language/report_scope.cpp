// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/language/report_scope.h"

#include <charconv>

#include "core/text_encoding.h"
#include "model/building.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"
#include "orders/language/order_check.h"
#include "orders/language/order_grammar.h"

namespace maprune {

namespace {

template <class List>
std::vector<NumberedName> NumberedNames(const TReport& report, const List& list)
{
    std::vector<NumberedName> names;
    for (const auto* thing : list) {
        if (thing != nullptr)
            names.push_back({ thing->Nr, report.FormatNr(thing->Nr), DisplayText(thing->Name) });
    }
    return names;
}

// "MACHE TEMP n" lines of the unit's orders, with any abbreviation of MACHE.
void AddTemps(const TUnit& unit, std::vector<std::string>& temps)
{
    for (const std::string& line : unit.Commands->Lines()) {
        const OrderWords words = SplitOrderLine(line);
        if (words.Tokens.size() >= 3 && SpelledOutFolded(words.Tokens[1].Text) == U"temp"
            && SpelledOutFolded(words.Tokens[0].Text).starts_with(U"mac"))
            temps.push_back(DisplayText(words.Tokens[2].Text));
    }
}

// The region of a "REGION x,y[,z] ; name" line.
TRegion* RegionOfLine(TReport& report, std::string_view line)
{
    line = line.substr(0, line.find(';'));
    int32_t values[3] = {};
    size_t count = 0;
    const size_t start = line.find_first_not_of(" \t", line.find_first_of(" \t"));
    if (start == std::string_view::npos)
        return nullptr;
    const char* pos = line.data() + start;
    const char* end = line.data() + line.size();
    while (pos < end && count < 3) {
        const auto [next, error] = std::from_chars(pos, end, values[count]);
        if (error != std::errc())
            return nullptr;
        ++count;
        pos = next < end && *next == ',' ? next + 1 : end;
    }
    return count >= 2 ? report.FindRegion(values[0], values[1], values[2]) : nullptr;
}

// The unit of an "EINHEIT nr" line: in the region of the order file's block,
// else anywhere.
TUnit* UnitOfLine(TReport& report, TRegion*& region, std::string_view line)
{
    line = line.substr(0, line.find(';'));
    const size_t start = line.find_first_not_of(" \t", line.find_first_of(" \t"));
    if (start == std::string_view::npos)
        return nullptr;
    const std::string_view number = line.substr(start, line.find_first_of(" \t", start) - start);
    const int32_t nr = report.ParseNr(number);
    if (nr < 0)
        return nullptr;
    const auto find = [nr](const TRegion* in) -> TUnit* {
        for (TUnit* unit : *in->Units) {
            if (unit != nullptr && unit->Nr == nr)
                return unit;
        }
        return nullptr;
    };
    if (region != nullptr) {
        if (TUnit* unit = find(region))
            return unit;
    }
    for (TRegion* other : *report.Regions) {
        if (TUnit* unit = other != nullptr ? find(other) : nullptr) {
            region = other;
            return unit;
        }
    }
    return nullptr;
}

std::string_view FirstWord(std::string_view line)
{
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    line.remove_prefix(start);
    return line.substr(0, line.find_first_of(" \t;"));
}

} // namespace

OrderScope ScopeOfUnit(const TReport& report, const TRegion* region, const TUnit* unit)
{
    OrderScope scope;
    scope.Base = report.Basis;
    if (unit != nullptr) {
        for (const TItem& item : unit->Items->Entries)
            scope.OwnItems.push_back(DisplayText(item.Item));
    }
    if (region == nullptr)
        return scope;
    scope.Known = true;
    scope.Units = NumberedNames(report, *region->Units);
    scope.Buildings = NumberedNames(report, *region->Buildings);
    scope.Ships = NumberedNames(report, *region->Ships);
    for (const TUnit* other : *region->Units) {
        if (other != nullptr)
            AddTemps(*other, scope.Temps);
    }
    return scope;
}

OrderScope ScopeAtLine(TReport& report, const std::vector<std::string>& lines, size_t line)
{
    report.SetIndexed(true);
    for (size_t i = std::min(line + 1, lines.size()); i-- > 0;) {
        if (SpelledOutFolded(FirstWord(lines[i])) != U"einheit")
            continue;
        TRegion* region = nullptr;
        for (size_t j = i; j-- > 0;) {
            if (SpelledOutFolded(FirstWord(lines[j])) == U"region") {
                region = RegionOfLine(report, lines[j]);
                break;
            }
        }
        TUnit* unit = UnitOfLine(report, region, lines[i]);
        return ScopeOfUnit(report, unit != nullptr ? region : nullptr, unit);
    }
    return OrderScope();
}

std::vector<OrderFinding> CheckOrderFile(
    const OrderGrammar& grammar, TReport& report, const std::vector<std::string>& lines)
{
    report.SetIndexed(true);
    TRegion* region = nullptr;
    OrderScope scope;
    OrderChecker checker(grammar, scope);
    std::vector<OrderFinding> findings;
    bool inUnit = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::u32string word = SpelledOutFolded(FirstWord(lines[i]));
        if (word == U"einheit" || word == U"region" || word == U"naechster") {
            checker.EndUnit(findings);
            inUnit = word == U"einheit";
            if (word == U"region")
                region = RegionOfLine(report, lines[i]);
            if (inUnit) {
                TUnit* unit = UnitOfLine(report, region, lines[i]);
                scope = ScopeOfUnit(report, unit != nullptr ? region : nullptr, unit);
                checker.SetScope(scope);
            }
            if (word == U"naechster")
                break;
        } else if (inUnit) {
            checker.CheckLine(lines[i], i, findings);
        }
    }
    checker.EndUnit(findings);
    return findings;
}

} // namespace maprune
