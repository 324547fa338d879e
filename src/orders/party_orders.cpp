// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/party_orders.h"

#include <algorithm>
#include <map>

#include "core/model_text.h"
#include "core/text_encoding.h"
#include "model/lines.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "report/report_encoding.h"

namespace maprune {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// The word after a key word ("EINHEIT 1a ; Hans" gives "1a"), or empty
// when the line is no such line.
std::string_view ArgumentOf(std::string_view line, std::u32string_view key)
{
    line = Trimmed(line);
    const size_t end = std::min(line.find_first_of(" \t;"), line.size());
    if (FoldedText(line.substr(0, end)) != key)
        return {};
    const std::string_view rest = Trimmed(line.substr(end));
    return rest.substr(0, std::min(rest.find_first_of(" \t;"), rest.size()));
}

bool IsBlockLine(std::string_view line)
{
    return !ArgumentOf(line, U"einheit").empty() || !ArgumentOf(line, U"region").empty();
}

void DropTrailingEmpty(std::vector<std::string>& lines)
{
    while (!lines.empty() && Trimmed(lines.back()).empty())
        lines.pop_back();
}

} // namespace

std::vector<std::string> PartyOrdersText(const TReport& report)
{
    std::vector<std::string> text;
    for (const TRegion* region : *report.Regions) {
        bool first = true;
        for (TUnit* unit : *region->Units) {
            if (unit == nullptr || !unit->IsOwn())
                continue;
            if (first) {
                std::string line
                    = "REGION " + std::to_string(region->CX) + "," + std::to_string(region->CY);
                if (region->CZ != 0)
                    line += "," + std::to_string(region->CZ);
                text.push_back(line + " ; " + DisplayText(region->Name));
                first = false;
            }
            text.push_back(
                "EINHEIT " + report.FormatNr(unit->Nr) + " ; " + DisplayText(unit->Name));
            for (const std::string& order : unit->Commands->Lines())
                text.push_back(DisplayText(order));
            text.emplace_back();
        }
    }
    return text;
}

PartyOrdersEdits ReadPartyOrders(const TReport& report, const std::vector<std::string>& lines)
{
    std::map<int32_t, TUnit*> own;
    for (const TRegion* region : *report.Regions) {
        for (TUnit* unit : *region->Units) {
            if (unit != nullptr && unit->IsOwn())
                own.emplace(unit->Nr, unit);
        }
    }
    PartyOrdersEdits edits;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view number = ArgumentOf(lines[i], U"einheit");
        if (number.empty())
            continue;
        const auto found = own.find(report.ParseNr(number));
        if (found == own.end()) {
            edits.Unknown.emplace_back(number);
            continue;
        }
        std::vector<std::string> orders;
        for (size_t j = i + 1; j < lines.size() && !IsBlockLine(lines[j]); ++j)
            orders.push_back(ToReportText(report, lines[j]));
        DropTrailingEmpty(orders);
        std::vector<std::string> before = found->second->Commands->Lines();
        DropTrailingEmpty(before);
        if (orders != before)
            edits.Changed.push_back({ found->second, std::move(orders) });
    }
    return edits;
}

} // namespace maprune
