// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/order_file.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "core/dialogs.h"
#include "model/report.h"

namespace maprune {

namespace {

constexpr std::string_view kTempOpening = "MACHE TEMP ";
constexpr std::string_view kTempClosing = "ENDE";
constexpr std::string_view kOuterIndent = "  ";
constexpr std::string_view kTempIndent = "    ";
// Undead carry no silver of their own; the checker counts 10 per person.
constexpr int32_t kUndeadSilverPerPerson = 10;

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a))
                   == std::toupper(static_cast<unsigned char>(b));
           });
}

// Blanks and control characters at both ends go.
std::string_view Trimmed(std::string_view text)
{
    const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The orders of one unit, indented, TEMP blocks one step further.
void AddOrders(TextLines& lines, const TLines& orders)
{
    bool inTemp = false;
    for (const std::string& order : orders.Lines()) {
        const std::string_view text = Trimmed(order);
        std::string_view indent = kOuterIndent;
        if (!inTemp) {
            inTemp = StartsWithIgnoringCase(text, kTempOpening);
        } else if (text.size() == kTempClosing.size()
            && StartsWithIgnoringCase(text, kTempClosing)) {
            inTemp = false;
        } else {
            indent = kTempIndent;
        }
        if (text.empty())
            indent = kOuterIndent;
        lines.push_back(std::string(indent) + QuoteTildeWords(text));
    }
}

// In 64 bits: the report's figures may be as large as 32 bits hold.
int64_t SilverFigure(const TUnit& unit)
{
    const int64_t silver = unit.Silver->CurrentValue();
    if (unit.Type_ == "Untote")
        return silver + int64_t { kUndeadSilverPerPerson } * unit.Count->CurrentValue();
    return silver;
}

std::string RegionLine(const TRegion& region)
{
    std::string line = "REGION " + std::to_string(region.CX) + "," + std::to_string(region.CY);
    if (region.CZ != 0)
        line += "," + std::to_string(region.CZ);
    return line + " ; " + region.Name;
}

} // namespace

std::string QuoteTildeWords(std::string_view order)
{
    if (order.find('~') == std::string_view::npos)
        return std::string(order);
    std::string line;
    line.reserve(order.size() + 8);
    size_t pos = 0;
    for (;;) {
        const size_t end = std::min(order.find(' ', pos), order.size());
        const std::string_view word = order.substr(pos, end - pos);
        if (word.find('~') == std::string_view::npos) {
            line += word;
        } else {
            line += '"';
            for (const char c : word)
                line += c == '~' ? ' ' : c;
            line += '"';
        }
        if (end == order.size())
            return line;
        line += ' ';
        pos = end + 1;
    }
}

TextLines BuildOrderFile(const TReport& report, Dialogs& dialogs)
{
    const TParty* party = report.FindParty(report.ActiveParty);
    if (party == nullptr) {
        dialogs.ShowMessage(MessageKind::Information, kNoActivePartyMessage, ButtonOk);
        return {};
    }
    TextLines lines;
    lines.push_back("PARTEI " + report.FormatNr(party->Nr) + " \"" + party->Password + "\"");
    lines.emplace_back();
    lines.push_back("; KCHECK -s -l -w4 -r" + std::to_string(party->RecruteCosts));
    lines.emplace_back();
    const int32_t nr = party->Nr;
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr
            || std::none_of(region->Units->begin(), region->Units->end(),
                [nr](const TUnit* u) { return u != nullptr && u->Party == nr; }))
            continue;
        lines.push_back(RegionLine(*region));
        lines.push_back("; KCheck Lohn " + std::to_string(region->Wages->CurrentValue()));
        lines.emplace_back();
        for (const TUnit* unit : *region->Units) {
            if (unit == nullptr || unit->Party != nr)
                continue;
            lines.push_back("EINHEIT " + report.FormatNr(unit->Nr) + ";\t\t" + unit->Name + " ["
                + std::to_string(unit->Count->CurrentValue()) + ","
                + std::to_string(SilverFigure(*unit)) + "$]");
            AddOrders(lines, *unit->Commands);
            lines.emplace_back();
        }
    }
    lines.push_back("NAECHSTER");
    return lines;
}

} // namespace maprune
