// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/messages/message_tabs.h"

#include "core/text_encoding.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"

namespace maprune {

namespace {

enum TabIndex : size_t {
    PartyMessages,
    Income,
    Production,
    Movements,
    Tradings,
    PartyEvents,
    RegionMessages,
    UnitMessages,
    RegionEvents,
    RegionSurroundings,
    Fights,
};

constexpr std::array<const char*, kMessageTabCount> kCaptions { "Meldungen", "Einkommen",
    "Produktion", "Bewegungen", "Handel", "Ereignisse", "Regionsbotschaften", "Einheitsbotschaften",
    "Regionsereignisse", "Regionsumgebungen", "Kämpfe" };

void AddPartyLines(std::vector<MessageLine>& lines, const TLines* source)
{
    if (source == nullptr)
        return;
    for (const std::string& line : source->Lines())
        lines.push_back(PartyMessageLine(line));
}

void AddRegionLines(std::vector<MessageLine>& lines, const std::string& head, const TLines* source,
    RegionPlace place)
{
    if (source == nullptr)
        return;
    for (const std::string& line : source->Lines())
        lines.push_back({ head + ": " + DisplayText(line), std::nullopt, place });
}

void AddOwnPartyTabs(std::array<MessageTab, kMessageTabCount>& tabs, const TParty& party)
{
    AddPartyLines(tabs[PartyMessages].Lines, party.Messages.Held());
    AddPartyLines(tabs[Income].Lines, party.Income.Held());
    AddPartyLines(tabs[Production].Lines, party.Production.Held());
    AddPartyLines(tabs[Movements].Lines, party.Movements.Held());
    AddPartyLines(tabs[Tradings].Lines, party.Tradings.Held());
    AddPartyLines(tabs[PartyEvents].Lines, party.Events.Held());
    AddPartyLines(tabs[Fights].Lines, party.Fights.Held());
}

void AddRegionTabs(std::array<MessageTab, kMessageTabCount>& tabs, const TRegion& region)
{
    const std::string description = RegionDescription(&region);
    const RegionPlace place { region.CX, region.CY, region.CZ };
    AddRegionLines(tabs[RegionMessages].Lines, description, region.Messages.Held(), place);
    for (const TUnit* unit : *region.Units) {
        if (unit == nullptr)
            continue;
        // The number in decimal, whatever the report's base: the game's
        // messages name units that way.
        const std::string head = DisplayText(unit->Name) + " (" + std::to_string(unit->Nr)
            + "), befindet sich in " + description;
        AddRegionLines(tabs[UnitMessages].Lines, head, unit->Messages.Held(), place);
    }
    AddRegionLines(tabs[RegionEvents].Lines, description, region.Events.Held(), place);
    AddRegionLines(tabs[RegionSurroundings].Lines, description, region.Surrounding.Held(), place);
}

} // namespace

MessageLine PartyMessageLine(std::string_view modelLine)
{
    constexpr std::pair<std::string_view, PartyCategory> kPrefixes[] {
        { "! ", PartyCategory::Own },
        { "I ", PartyCategory::Allied },
        { "W ", PartyCategory::Disguised },
        { "F ", PartyCategory::Enemy },
    };
    MessageLine line;
    for (const auto& [prefix, category] : kPrefixes) {
        if (modelLine.starts_with(prefix)) {
            line.Category = category;
            modelLine.remove_prefix(prefix.size());
            break;
        }
    }
    line.Text = modelLine.empty() ? std::string(" ") : DisplayText(modelLine);
    return line;
}

std::array<MessageTab, kMessageTabCount> MessageTabs(const TReport* report)
{
    std::array<MessageTab, kMessageTabCount> tabs;
    for (size_t i = 0; i < kMessageTabCount; ++i)
        tabs[i].Caption = kCaptions[i];
    if (report == nullptr)
        return tabs;
    if (const TParty* own = report->FindParty(report->ActiveParty))
        AddOwnPartyTabs(tabs, *own);
    for (const TRegion* region : *report->Regions) {
        if (region != nullptr)
            AddRegionTabs(tabs, *region);
    }
    return tabs;
}

} // namespace maprune
