// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/checker_results.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"

namespace maprune {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool StartsWithWord(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i) {
        const char c = text[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != word[i])
            return false;
    }
    return true;
}

// The text after a keyword up to a ";" comment, trimmed.
std::string_view Argument(std::string_view line, size_t keywordLength)
{
    std::string_view rest = Trim(line.substr(keywordLength));
    return Trim(rest.substr(0, rest.find(';')));
}

std::optional<long long> Decimal(std::string_view text)
{
    text = Trim(text);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::optional<int32_t> Coordinate(std::string_view text)
{
    const std::optional<long long> value = Decimal(text);
    if (!value || *value < std::numeric_limits<int32_t>::min()
        || *value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(*value);
}

CheckerLink FirstUnit(const TReport& report, int32_t nr)
{
    if (nr < 0)
        return {};
    for (TRegion* region : *report.Regions) {
        for (TUnit* unit : *region->Units) {
            if (unit->Nr == nr)
                return { region, unit };
        }
    }
    return {};
}

TRegion* RegionAt(TReport& report, std::string_view coordinates)
{
    std::optional<int32_t> values[3];
    int count = 0;
    while (count < 3) {
        const size_t comma = coordinates.find(',');
        values[count++] = Coordinate(coordinates.substr(0, comma));
        if (comma == std::string_view::npos) {
            coordinates = {};
            break;
        }
        coordinates.remove_prefix(comma + 1);
    }
    if (count < 2 || !coordinates.empty() || !values[0] || !values[1])
        return nullptr;
    if (count == 3 && !values[2])
        return nullptr;
    return report.FindRegion(*values[0], *values[1], count == 3 ? *values[2] : 0);
}

// The link of order-file line `number` (from 1); none outside the file.
CheckerLink LinkOfLine(const std::vector<CheckerLink>& links, std::string_view number)
{
    const std::optional<long long> n = Decimal(number);
    if (!n || *n < 1 || static_cast<unsigned long long>(*n) > links.size())
        return {};
    return links[static_cast<size_t>(*n - 1)];
}

// The line number: what stands after the last "(" of `head`.
std::string_view LineNumber(std::string_view head)
{
    const size_t open = head.rfind('(');
    return open == std::string_view::npos ? head : head.substr(open + 1);
}

} // namespace

std::vector<CheckerLink> OrderFileLinks(TReport& report, const TextLines& orderFile)
{
    report.SetIndexed(true);
    std::vector<CheckerLink> links;
    links.reserve(orderFile.size());
    CheckerLink current;
    for (const std::string& raw : orderFile) {
        const std::string_view line = Trim(raw);
        if (StartsWithWord(line, "einheit")) {
            current = FirstUnit(report, report.ParseNr(Argument(line, 7)));
        } else if (StartsWithWord(line, "region")) {
            current = { RegionAt(report, Argument(line, 6)), nullptr };
        } else if (current.Unit != nullptr) {
            ++current.OrderLine;
        }
        links.push_back(current);
    }
    return links;
}

CheckerResults ShowResults(TReport& report, const TextLines& orderFile,
    const TextLines& checkerOutput, const TextLines& messages)
{
    CheckerResults results;
    for (const std::string& message : messages)
        results.Entries.push_back({ message, {} });
    const std::vector<CheckerLink> links = OrderFileLinks(report, orderFile);
    for (const std::string& line : checkerOutput) {
        const std::string_view text = line;
        const size_t classic = text.find("): ");
        const size_t compact = text.find(")|");
        if (classic != std::string_view::npos && classic < compact) {
            const std::string_view message = text.substr(classic + 3);
            const CheckerLevel level = StartsWithWord(message, "warnung") ? CheckerLevel::Warning
                : StartsWithWord(message, "fehler")                       ? CheckerLevel::Error
                                                                          : CheckerLevel::None;
            if (level == CheckerLevel::None)
                continue;
            ++(level == CheckerLevel::Error ? results.Errors : results.Warnings);
            results.Entries.push_back({ std::string(message),
                LinkOfLine(links, LineNumber(text.substr(0, classic))), level });
            continue;
        }
        if (compact != std::string_view::npos) {
            const std::string_view rest = text.substr(compact + 2);
            const size_t bar = rest.find('|');
            const std::optional<long long> level
                = bar == std::string_view::npos ? std::nullopt : Decimal(rest.substr(0, bar));
            if (level && *level >= 0) {
                ++(*level == 0 ? results.Errors : results.Warnings);
                results.Entries.push_back({ std::string(rest.substr(bar + 1)),
                    LinkOfLine(links, LineNumber(text.substr(0, compact))),
                    *level == 0 ? CheckerLevel::Error : CheckerLevel::Warning });
                continue;
            }
        }
        results.Entries.push_back({ line, {} });
    }
    return results;
}

std::string CheckerLinkText(const TReport& report, const CheckerLink& link)
{
    if (link.Unit != nullptr)
        return "unit " + report.FormatNr(link.Unit->Nr);
    if (link.Region != nullptr) {
        return "region " + std::to_string(link.Region->CX) + ',' + std::to_string(link.Region->CY)
            + ',' + std::to_string(link.Region->CZ);
    }
    return {};
}

} // namespace maprune
