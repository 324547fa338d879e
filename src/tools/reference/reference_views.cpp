// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/reference/reference_views.h"

#include "core/text_encoding.h"
#include "model/game_data.h"

namespace maprune {

namespace {

constexpr int kTalentCount = 28;
constexpr int kMaterialCount = 7;

std::string Text(const std::string& recordText)
{
    return DisplayText(recordText);
}

const std::string& EntryText(const GameRecord& record, ReferenceKind kind)
{
    switch (kind) {
    case ReferenceKind::Races:
        return record.Plural;
    case ReferenceKind::Commands:
        return record.Names;
    case ReferenceKind::Talents:
    case ReferenceKind::Buildings:
        break;
    }
    return record.Singular;
}

uint8_t KindOf(ReferenceKind kind)
{
    switch (kind) {
    case ReferenceKind::Races:
        return KindRace;
    case ReferenceKind::Talents:
        return KindTalent;
    case ReferenceKind::Commands:
        return KindCommand;
    case ReferenceKind::Buildings:
        break;
    }
    return KindBuilding;
}

// The talent's name without the look-up error of GetTalentType: a race may
// name a talent the data lacks, and the window still shows the rest.
std::string TalentName(GameData& data, int number)
{
    for (size_t i = 0; i < data.Count(); ++i) {
        const GameRecord& record = data.Record(i);
        if (record.Kind() == KindTalent && record.TalentNumber() == number)
            return Text(record.Singular);
    }
    return "unbekanntes Talent (" + std::to_string(number) + ")";
}

// ", part" for every part, without the first ", "; "nichts" without parts.
std::string JoinedOrNothing(const std::vector<std::string>& parts)
{
    if (parts.empty())
        return "nichts";
    std::string text = parts.front();
    for (size_t i = 1; i < parts.size(); ++i)
        text += ", " + parts[i];
    return text;
}

std::string MaterialList(GameData& data, const GameRecord& building, int firstByte)
{
    std::vector<std::string> parts;
    for (int m = 0; m < kMaterialCount; ++m) {
        const int32_t amount = building.Int32At(firstByte + 4 * m);
        if (amount <= 0)
            continue;
        const GameRecord& material = data.GetMaterialType(m);
        const std::string& name
            = amount == 1 || material.Plural.empty() ? material.Singular : material.Plural;
        parts.push_back(std::to_string(amount) + " " + Text(name));
    }
    return JoinedOrNothing(parts);
}

std::string TalentList(GameData& data, const GameRecord& building)
{
    std::vector<std::string> parts;
    for (int t = 0; t < kTalentCount; ++t) {
        const int32_t level = building.Int32At(76 + 4 * t);
        if (level > 0)
            parts.push_back(Text(data.GetTalentType(t).Singular) + " " + std::to_string(level));
    }
    return JoinedOrNothing(parts);
}

std::string ValueOr(int32_t value, const char* none)
{
    return value == -1 ? std::string(none) : std::to_string(value);
}

} // namespace

std::vector<ReferenceEntry> ReferenceEntries(GameData& data, ReferenceKind kind)
{
    std::vector<ReferenceEntry> entries;
    for (size_t i = 0; i < data.Count(); ++i) {
        const GameRecord& record = data.Record(i);
        if (record.Kind() == KindOf(kind))
            entries.push_back({ i, Text(EntryText(record, kind)) });
    }
    return entries;
}

std::string DescriptionOf(const GameRecord& record)
{
    return Text(record.Description);
}

RaceView ViewOfRace(GameData& data, const GameRecord& race)
{
    RaceView view;
    view.RecruitingCost = std::to_string(race.Int32At(20));
    view.HitPoints = std::to_string(race.Int32At(24));
    view.MagicResistance = std::to_string(race.Int32At(28));
    view.NaturalArmour = std::to_string(race.Int32At(32));
    view.Description = DescriptionOf(race);
    for (int t = 0; t < kTalentCount; ++t) {
        const int32_t modifier = race.Int32At(40 + 4 * t);
        if (modifier != 0)
            view.Modifiers.push_back(TalentName(data, t) + ": " + std::to_string(modifier));
    }
    return view;
}

CommandView ViewOfCommand(const GameRecord& command)
{
    return { Text(command.Singular), DescriptionOf(command) };
}

BuildingView ViewOfBuilding(GameData& data, const GameRecord& building)
{
    BuildingView view;
    view.Description = DescriptionOf(building);
    view.Costs = MaterialList(data, building, 20);
    view.Upkeep = MaterialList(data, building, 48);
    view.Talents = TalentList(data, building);
    view.SizeLimit = ValueOr(building.Int32At(188), "keine");
    view.MinimumSize = ValueOr(building.Int32At(192), "keine");
    view.Capacity = ValueOr(building.Int32At(196), "entsprechend Größe");
    return view;
}

} // namespace maprune
