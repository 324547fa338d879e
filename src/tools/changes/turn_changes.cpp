// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/changes/turn_changes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <iterator>
#include <unordered_map>

#include "core/text_encoding.h"
#include "model/report.h"

namespace maprune {

namespace {

struct KindText {
    const char* Caption;
    const char* Name;
};

constexpr std::array<KindText, kChangeKindCount> kKindTexts { {
    { "Kämpfe", "fight" },
    { "stärkste Partei gewechselt", "dominant-party" },
    { "Parteien neu in der Region", "party-arrived" },
    { "Parteien nicht mehr in der Region", "party-left" },
    { "neue Einheiten", "unit-new" },
    { "Einheiten nicht mehr gesehen", "unit-gone" },
    { "Einheiten verkleinert", "unit-shrunk" },
    { "Einheiten vergrößert", "unit-grown" },
    { "eigene Einheiten mit weniger Silber", "silver-lost" },
    { "neue Gebäude", "building-new" },
    { "Gebäude nicht mehr gesehen", "building-gone" },
    { "Gebäude vergrößert", "building-grown" },
    { "Gebäude verkleinert", "building-shrunk" },
    { "neue Schiffe", "ship-new" },
    { "Schiffe nicht mehr gesehen", "ship-gone" },
    { "Schiffe weitergebaut", "ship-grown" },
    { "Schiffe mit anderem Schaden", "ship-damaged" },
    { "Regionen neu gesehen", "region-seen" },
    { "Regionen nicht mehr gesehen", "region-lost" },
    { "Bauern", "peasants" },
    { "Silber", "silver" },
    { "Pferde", "horses" },
    { "Bäume", "trees" },
    { "Lohn", "wages" },
} };

using RegionHistory = std::unique_ptr<THistoryInteger> TRegion::*;

// The region values that show whether a region was described in a turn.
constexpr std::array<RegionHistory, 5> kDescribingValues { &TRegion::Peasants, &TRegion::Silver,
    &TRegion::Trees, &TRegion::Horses, &TRegion::Wages };

std::optional<int32_t> ValueAt(const THistoryInteger& history, int32_t turn)
{
    for (const THistoryInteger::Entry& entry : history.History()) {
        if (entry.Date == turn)
            return entry.Value;
        if (entry.Date < turn)
            break;
    }
    return std::nullopt;
}

bool HasValues(const TRegion& region, int32_t turn)
{
    return std::any_of(kDescribingValues.begin(), kDescribingValues.end(),
        [&](RegionHistory value) { return ValueAt(*(region.*value), turn).has_value(); });
}

// Values or units observed in `turn`: water holds no values, but a ship's
// crew shows that the region was seen.
bool Seen(const TRegion& region, int32_t turn)
{
    return HasValues(region, turn)
        || std::any_of(region.Politic->begin(), region.Politic->end(), [turn](const auto* info) {
               return info != nullptr && info->Turn == turn && info->RTurn == turn;
           });
}

// Persons of each party that the region's summaries observed in `turn`, by
// ascending party; a region holds few, so a sorted vector serves.
using PartyPersons = std::vector<std::pair<int32_t, int32_t>>;

PartyPersons PersonsSeen(const TRegion& region, int32_t turn)
{
    PartyPersons persons;
    for (const TPoliticInfo* info : *region.Politic) {
        if (info == nullptr || info->Turn != turn || info->RTurn != turn)
            continue;
        const int32_t count = info->DataValue(TPoliticInfo::Persons);
        if (count > 0)
            persons.emplace_back(info->Party, count);
    }
    std::sort(persons.begin(), persons.end());
    return persons;
}

bool HasParty(const PartyPersons& persons, int32_t party)
{
    return std::any_of(persons.begin(), persons.end(),
        [party](const auto& entry) { return entry.first == party; });
}

// The party with the most persons; of equal ones the lowest number.
std::optional<int32_t> Strongest(const PartyPersons& persons)
{
    std::optional<int32_t> best;
    int32_t most = 0;
    for (const auto& [party, count] : persons) {
        if (count > most) {
            most = count;
            best = party;
        }
    }
    return best;
}

bool Beyond(int32_t before, int32_t after, const ChangeThreshold& threshold)
{
    const int64_t moved = std::abs(int64_t { after } - before);
    if (moved == 0 || moved < threshold.Minimum)
        return false;
    return before <= 0 || moved * 100 >= int64_t { threshold.Percent } * before;
}

std::string Arrow(int32_t before, int32_t after)
{
    return std::to_string(before) + " → " + std::to_string(after);
}

// "(3,4)" or "(3,4,1)" at the end of a fight heading.
std::optional<std::array<int32_t, 3>> PlaceInLine(std::string_view line)
{
    const size_t open = line.rfind('(');
    const size_t close = line.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return std::nullopt;
    std::array<int32_t, 3> xyz {};
    size_t found = 0;
    const char* pos = line.data() + open + 1;
    const char* const end = line.data() + close;
    while (found < xyz.size()) {
        const auto [last, error] = std::from_chars(pos, end, xyz[found]);
        if (error != std::errc())
            return std::nullopt;
        ++found;
        if (last == end)
            break;
        if (*last != ',')
            return std::nullopt;
        pos = last + 1;
    }
    if (found < 2 || pos > end)
        return std::nullopt;
    return xyz;
}

bool IsWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || std::isalnum(byte) != 0;
}

// Whether `name` stands in `line` as a whole word.
bool NamesWord(std::string_view line, std::string_view name)
{
    for (size_t at = line.find(name); at != std::string_view::npos; at = line.find(name, at + 1)) {
        const size_t end = at + name.size();
        if ((at == 0 || !IsWordByte(line[at - 1]))
            && (end == line.size() || !IsWordByte(line[end])))
            return true;
    }
    return false;
}

class ChangeCollector {
public:
    ChangeCollector(
        const TReport& report, int32_t from, int32_t to, const ChangeThresholds& thresholds)
        : FReport(report)
        , FFrom(from)
        , FTo(to)
        , FThresholds(thresholds)
        , FCategories(report)
    {
    }

    std::vector<TurnChange> Collect()
    {
        if (FFrom < 1 || FTo < 1 || FFrom == FTo)
            return {};
        CollectFights();
        for (const TRegion* region : *FReport.Regions) {
            if (region != nullptr)
                CollectRegion(*region);
        }
        size_t total = 0;
        for (const auto& kind : FGroups) {
            for (const auto& group : kind)
                total += group.size();
        }
        std::vector<TurnChange> changes;
        changes.reserve(total);
        for (auto& kind : FGroups) {
            for (auto& group : kind)
                std::move(group.begin(), group.end(), std::back_inserter(changes));
        }
        return changes;
    }

private:
    // The groups of a kind in list order: own, allied, disguised, enemy, no
    // party.
    static constexpr size_t kGroupsPerKind = 5;
    static size_t GroupOf(const TurnChange& change)
    {
        return change.Category ? static_cast<size_t>(3 - Rank(*change.Category)) : 4;
    }

    void Keep(TurnChange&& change)
    {
        FGroups[static_cast<size_t>(change.Kind)][GroupOf(change)].push_back(std::move(change));
    }

    const std::string& PartyText(int32_t party)
    {
        auto [at, added] = FPartyTexts.try_emplace(party);
        if (added)
            at->second = FReport.PartyDescription(party);
        return at->second;
    }

    void Add(ChangeKind kind, const TRegion& region, std::string text, int32_t party = -1,
        bool hasParty = false, int32_t nr = -1)
    {
        TurnChange change;
        change.Kind = kind;
        change.X = region.CX;
        change.Y = region.CY;
        change.Z = region.CZ;
        change.Nr = nr;
        if (hasParty) {
            change.Party = party;
            change.Category = FCategories.Of(party);
        }
        if (FTextRegion != &region) {
            FTextRegion = &region;
            FRegionText = RegionDescription(&region);
        }
        change.Text = FRegionText + ": " + text;
        Keep(std::move(change));
    }

    void CollectFights()
    {
        const TParty* own = FReport.FindParty(FReport.ActiveParty);
        if (own == nullptr || own->Turn != FTo)
            return;
        const std::vector<std::string>& lines = own->Fights->Lines();
        const bool headed = std::any_of(lines.begin(), lines.end(),
            [](const std::string& line) { return line.rfind("Kampf in ", 0) == 0; });
        for (const std::string& line : lines) {
            if (line.empty() || (headed && line.rfind("Kampf in ", 0) != 0))
                continue;
            TurnChange change;
            change.Kind = ChangeKind::Fight;
            change.Party = FReport.ActiveParty;
            change.Category = PartyCategory::Own;
            change.Text = DisplayText(line);
            if (const auto xyz = PlaceInLine(line)) {
                change.X = (*xyz)[0];
                change.Y = (*xyz)[1];
                change.Z = (*xyz)[2];
            } else if (const TRegion* region = FightRegion(line)) {
                change.X = region->CX;
                change.Y = region->CY;
                change.Z = region->CZ;
            } else {
                change.Placed = false;
            }
            Keep(std::move(change));
        }
    }

    // Older reports name a fight's region only by its name ("Der Kampf um
    // Westfurt ..."). Of several regions of that name the one where the own
    // party's units were counts; without a single one the fight has no place.
    const TRegion* FightRegion(std::string_view line) const
    {
        std::vector<const TRegion*> named;
        for (const TRegion* region : *FReport.Regions) {
            if (region != nullptr && !region->Name.empty() && NamesWord(line, region->Name))
                named.push_back(region);
        }
        if (named.size() > 1) {
            std::erase_if(named, [this](const TRegion* region) {
                return !HasParty(PersonsSeen(*region, FTo), FReport.ActiveParty);
            });
        }
        return named.size() == 1 ? named.front() : nullptr;
    }

    void CollectRegion(const TRegion& region)
    {
        const bool valuesBefore = HasValues(region, FFrom);
        const bool valuesAfter = HasValues(region, FTo);
        if (valuesBefore != valuesAfter) {
            if (valuesAfter)
                Add(ChangeKind::RegionSeen, region, "neu gesehen");
            else
                Add(ChangeKind::RegionLost, region, "nicht mehr gesehen");
        }
        if (valuesBefore && valuesAfter)
            CollectValues(region);
        const bool before = valuesBefore || Seen(region, FFrom);
        const bool after = valuesAfter || Seen(region, FTo);
        CollectParties(region, before, after);
        CollectUnits(region, before, after);
        CollectBuildings(region, before, after);
        CollectShips(region, before, after);
    }

    void CollectParties(const TRegion& region, bool before, bool after)
    {
        const PartyPersons old = PersonsSeen(region, FFrom);
        const PartyPersons now = PersonsSeen(region, FTo);
        const std::optional<int32_t> oldStrongest = Strongest(old);
        const std::optional<int32_t> newStrongest = Strongest(now);
        if (oldStrongest && newStrongest && *oldStrongest != *newStrongest)
            Add(ChangeKind::DominantParty, region,
                PartyText(*newStrongest) + " statt " + PartyText(*oldStrongest), *newStrongest,
                true);
        // Only where the region was seen in both turns does a party missing
        // in one of them mean it came or went.
        if (!before || !after)
            return;
        for (const auto& [party, count] : now) {
            if (!HasParty(old, party))
                Add(ChangeKind::PartyArrived, region,
                    PartyText(party) + ", " + std::to_string(count) + " Personen", party, true);
        }
        for (const auto& [party, count] : old) {
            if (!HasParty(now, party))
                Add(ChangeKind::PartyLeft, region,
                    PartyText(party) + ", vorher " + std::to_string(count) + " Personen", party,
                    true);
        }
    }

    void CollectValues(const TRegion& region)
    {
        const std::array<std::tuple<ChangeKind, RegionHistory, ChangeThreshold>, 5> values { {
            { ChangeKind::Peasants, &TRegion::Peasants, FThresholds.Peasants },
            { ChangeKind::Silver, &TRegion::Silver, FThresholds.Silver },
            { ChangeKind::Horses, &TRegion::Horses, FThresholds.Horses },
            { ChangeKind::Trees, &TRegion::Trees, FThresholds.Trees },
            { ChangeKind::Wages, &TRegion::Wages, FThresholds.Wages },
        } };
        for (const auto& [kind, history, threshold] : values) {
            const std::optional<int32_t> old = ValueAt(*(region.*history), FFrom);
            const std::optional<int32_t> now = ValueAt(*(region.*history), FTo);
            if (old && now && Beyond(*old, *now, threshold))
                Add(kind, region, Arrow(*old, *now));
        }
    }

    std::string Named(const TNamedItem& item)
    {
        return DisplayText(item.Name) + " (" + FReport.FormatNr(item.Nr) + ")";
    }

    // New or gone: present in one turn only, in a region seen in both (a
    // region seen first or last brings or takes all it holds). The text is
    // made only for a change.
    template <class Entity, class Text>
    bool NewOrGone(const Entity& entity, std::array<bool, 2> present, bool before, bool after,
        ChangeKind newKind, ChangeKind goneKind, const TRegion& region, const Text& text,
        bool hasParty)
    {
        if (present[0] == present[1])
            return false;
        if (before && after)
            Add(present[1] ? newKind : goneKind, region, text(), entity.Party, hasParty, entity.Nr);
        return true;
    }

    void CollectUnits(const TRegion& region, bool before, bool after)
    {
        for (const TUnit* unit : *region.Units) {
            if (unit == nullptr)
                continue;
            const std::optional<int32_t> old = ValueAt(*unit->Count, FFrom);
            const std::optional<int32_t> now = ValueAt(*unit->Count, FTo);
            const std::optional<int32_t> oldSilver = ValueAt(*unit->Silver, FFrom);
            const std::optional<int32_t> newSilver = ValueAt(*unit->Silver, FTo);
            const std::array<bool, 2> present { old || oldSilver, now || newSilver };
            const auto name = [&] { return Named(*unit) + ", " + PartyText(unit->Party); };
            const auto newOrGone
                = [&] { return name() + (now ? ", " + std::to_string(*now) + " Personen" : ""); };
            if (NewOrGone(*unit, present, before, after, ChangeKind::UnitNew, ChangeKind::UnitGone,
                    region, newOrGone, true))
                continue;
            if (old && now && *old != *now)
                Add(*now < *old ? ChangeKind::UnitShrunk : ChangeKind::UnitGrown, region,
                    name() + ": " + Arrow(*old, *now) + " Personen", unit->Party, true, unit->Nr);
            if (unit->Party == FReport.ActiveParty && oldSilver && newSilver
                && *newSilver < *oldSilver
                && Beyond(*oldSilver, *newSilver, FThresholds.UnitSilver))
                Add(ChangeKind::SilverLost, region,
                    Named(*unit) + ": " + Arrow(*oldSilver, *newSilver) + " Silber", unit->Party,
                    true, unit->Nr);
        }
    }

    // "Burg Feste Nordau (7vp), Die Wüstenfüchse (2vy)".
    std::string PlaceName(const std::string& type, const TNamedItem& item, bool hasParty)
    {
        std::string name = DisplayText(type) + " " + Named(item);
        if (hasParty)
            name += ", " + PartyText(item.Party);
        return name;
    }

    void CollectBuildings(const TRegion& region, bool before, bool after)
    {
        for (const TBuilding* building : *region.Buildings) {
            if (building == nullptr)
                continue;
            const std::optional<int32_t> old = ValueAt(*building->Size, FFrom);
            const std::optional<int32_t> now = ValueAt(*building->Size, FTo);
            const std::array<bool, 2> present { old || ValueAt(*building->Support, FFrom),
                now || ValueAt(*building->Support, FTo) };
            const bool hasParty = building->Party != -1;
            const auto name = [&] { return PlaceName(building->Type_, *building, hasParty); };
            if (NewOrGone(*building, present, before, after, ChangeKind::BuildingNew,
                    ChangeKind::BuildingGone, region, name, hasParty))
                continue;
            if (old && now && *old != *now)
                Add(*now > *old ? ChangeKind::BuildingGrown : ChangeKind::BuildingShrunk, region,
                    name() + ": Größe " + Arrow(*old, *now), building->Party, hasParty,
                    building->Nr);
        }
    }

    void CollectShips(const TRegion& region, bool before, bool after)
    {
        for (const TShip* ship : *region.Ships) {
            if (ship == nullptr)
                continue;
            const auto seen = [ship](int32_t turn) {
                return ValueAt(*ship->Damage, turn) || ValueAt(*ship->Percent, turn)
                    || ValueAt(*ship->Load, turn) || ValueAt(*ship->MaxLoad, turn);
            };
            const std::array<bool, 2> present { seen(FFrom), seen(FTo) };
            const bool hasParty = ship->Party != -1;
            const auto name = [&] { return PlaceName(ship->Type_, *ship, hasParty); };
            if (NewOrGone(*ship, present, before, after, ChangeKind::ShipNew, ChangeKind::ShipGone,
                    region, name, hasParty))
                continue;
            const std::optional<int32_t> oldBuilt = ValueAt(*ship->Percent, FFrom);
            const std::optional<int32_t> newBuilt = ValueAt(*ship->Percent, FTo);
            if (oldBuilt && newBuilt && *newBuilt > *oldBuilt)
                Add(ChangeKind::ShipGrown, region,
                    name() + ": " + Arrow(*oldBuilt, *newBuilt) + " %", ship->Party, hasParty,
                    ship->Nr);
            const std::optional<int32_t> oldDamage = ValueAt(*ship->Damage, FFrom);
            const std::optional<int32_t> newDamage = ValueAt(*ship->Damage, FTo);
            if (oldDamage && newDamage && *oldDamage != *newDamage)
                Add(ChangeKind::ShipDamaged, region,
                    name() + ": Schaden " + Arrow(*oldDamage, *newDamage) + " %", ship->Party,
                    hasParty, ship->Nr);
        }
    }

    const TReport& FReport;
    const int32_t FFrom;
    const int32_t FTo;
    const ChangeThresholds FThresholds;
    const PartyCategories FCategories;
    std::unordered_map<int32_t, std::string> FPartyTexts;
    const TRegion* FTextRegion = nullptr; // whose description FRegionText holds
    std::string FRegionText;
    // The changes by kind and group, each in the order they were found.
    std::array<std::array<std::vector<TurnChange>, kGroupsPerKind>, kChangeKindCount> FGroups;
};

} // namespace

const char* ChangeKindCaption(ChangeKind kind)
{
    return kKindTexts[static_cast<size_t>(kind)].Caption;
}

const char* ChangeKindName(ChangeKind kind)
{
    return kKindTexts[static_cast<size_t>(kind)].Name;
}

int32_t TurnBefore(const TReport& report, int32_t turn)
{
    int32_t best = -1;
    const auto consider = [&](int32_t date) {
        if (date < turn && date > best)
            best = date;
    };
    for (const TRegion* region : *report.Regions) {
        if (region == nullptr)
            continue;
        for (RegionHistory value : kDescribingValues) {
            for (const THistoryInteger::Entry& entry : (region->*value)->History())
                consider(entry.Date);
        }
        for (const TPoliticInfo* info : *region->Politic) {
            if (info != nullptr)
                consider(info->Turn);
        }
    }
    return best;
}

ChangeTurns DefaultChangeTurns(const TReport& report)
{
    return { TurnBefore(report, report.Turn), report.Turn };
}

std::vector<TurnChange> TurnChanges(
    const TReport& report, int32_t from, int32_t to, const ChangeThresholds& thresholds)
{
    return ChangeCollector(report, from, to, thresholds).Collect();
}

} // namespace maprune
