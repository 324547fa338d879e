// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/changes/turn_changes.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <climits>
#include <initializer_list>
#include <iterator>
#include <span>
#include <tuple>
#include <unordered_map>

#include "core/count_text.h"
#include "core/text_encoding.h"
#include "model/report.h"
#include "tools/changes/key_index.h"

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
    { "Einheiten gezogen", "unit-moved" },
    { "Einheiten mit anderer Partei", "unit-party" },
    { "Einheiten verkleinert", "unit-shrunk" },
    { "Einheiten vergrößert", "unit-grown" },
    { "eigene Einheiten mit weniger Silber", "silver-lost" },
    { "eigene Einheiten mit weniger Gegenständen", "items-lost" },
    { "neue Gebäude", "building-new" },
    { "Gebäude nicht mehr gesehen", "building-gone" },
    { "Gebäude vergrößert", "building-grown" },
    { "Gebäude verkleinert", "building-shrunk" },
    { "neue Schiffe", "ship-new" },
    { "Schiffe nicht mehr gesehen", "ship-gone" },
    { "Schiffe gesegelt", "ship-moved" },
    { "Schiffe mit anderer Partei", "ship-party" },
    { "Schiffe weitergebaut", "ship-grown" },
    { "Schiffe mit anderem Schaden", "ship-damaged" },
    { "Regionen neu gesehen", "region-seen" },
    { "Regionen nicht mehr gesehen", "region-lost" },
    { "Bauern", "peasants" },
    { "Silber", "silver" },
    { "Pferde", "horses" },
    { "Bäume", "trees" },
    { "Lohn", "wages" },
    { "Preise", "prices" },
} };

using RegionHistory = SubObject<THistoryInteger> TRegion::*;

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

// Fills `persons`, which keeps its memory from region to region.
void PersonsSeen(const TRegion& region, int32_t turn, PartyPersons& persons)
{
    persons.clear();
    for (const TPoliticInfo* info : *region.Politic) {
        if (info == nullptr || info->Turn != turn || info->RTurn != turn)
            continue;
        const int32_t count = info->DataValue(TPoliticInfo::Persons);
        if (count > 0)
            persons.emplace_back(info->Party, count);
    }
    std::sort(persons.begin(), persons.end());
}

PartyPersons PersonsSeen(const TRegion& region, int32_t turn)
{
    PartyPersons persons;
    PersonsSeen(region, turn, persons);
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

// The percent counts of the older value's size: a negative price (goods
// the region sells) moves by as much as a positive one.
bool Beyond(int32_t before, int32_t after, const ChangeThreshold& threshold)
{
    const int64_t moved = std::abs(int64_t { after } - before);
    if (moved == 0 || moved < threshold.Minimum)
        return false;
    const int64_t size = std::abs(int64_t { before });
    return size == 0 || moved * 100 >= int64_t { threshold.Percent } * size;
}

// "12 → 15", made without allocating: most changes of a large world show
// one.
class ArrowText {
public:
    ArrowText(int32_t before, int32_t after)
    {
        constexpr std::string_view arrow = " → ";
        char* end = std::to_chars(FText.data(), FText.data() + kNumber, before).ptr;
        end = std::copy(arrow.begin(), arrow.end(), end);
        FSize = static_cast<size_t>(std::to_chars(end, end + kNumber, after).ptr - FText.data());
    }
    std::string_view View() const { return { FText.data(), FSize }; }

private:
    static constexpr size_t kNumber = 11; // "-2147483648"
    std::array<char, 2 * kNumber + 5> FText {};
    size_t FSize = 0;
};

std::string Arrow(int32_t before, int32_t after)
{
    return std::string(ArrowText(before, after).View());
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

using Place = std::tuple<int32_t, int32_t, int32_t>;

// The recorded states of one object or region, by ascending turn.
template <class Past> using PastStates = std::span<const Past* const>;

template <class Past> const Past* RecordFrom(PastStates<Past> states, int32_t turn)
{
    const auto at = std::lower_bound(states.begin(), states.end(), turn,
        [](const Past* past, int32_t t) { return past->Turn < t; });
    return at != states.end() ? *at : nullptr;
}

template <class Past> bool RecordedAt(PastStates<Past> states, int32_t turn)
{
    const Past* past = RecordFrom(states, turn);
    return past != nullptr && past->Turn == turn;
}

Place ObjectKey(const TPastObject& past)
{
    return { past.Kind, past.Nr, 0 };
}

Place PlaceKey(const TPastPrices& past)
{
    return { past.X, past.Y, past.Z };
}

// The records of a list by key, without sorting them all: the table names
// each key's first record, the others follow it in list order.
template <class Past> struct PastIndex {
    std::vector<const Past*> Records; // in list order
    std::vector<int32_t> Next; // the next record of the same key, -1 none
    KeyIndex First;
};

template <class Past, class List, class Key>
PastIndex<Past> IndexRecords(const List& list, const Key& key)
{
    PastIndex<Past> index { {}, {}, KeyIndex(list.Count()) };
    index.Records.reserve(list.Count());
    index.Next.reserve(list.Count());
    std::vector<int32_t> last; // of each first record, the last of its key
    last.reserve(list.Count());
    for (const Past* past : list) {
        if (past == nullptr)
            continue;
        const auto i = static_cast<int32_t>(index.Records.size());
        index.Records.push_back(past);
        index.Next.push_back(-1);
        last.push_back(i);
        const auto [a, b, c] = key(*past);
        const int32_t first = index.First.Find(a, b, c);
        if (first < 0) {
            index.First.Add(a, b, c, i);
        } else {
            index.Next[static_cast<size_t>(last[static_cast<size_t>(first)])] = i;
            last[static_cast<size_t>(first)] = i;
        }
    }
    return index;
}

// The records of the key whose first record is `first` (none for -1), by
// ascending turn, gathered in `states`.
template <class Past>
PastStates<Past> StatesFrom(
    const PastIndex<Past>& index, int32_t first, std::vector<const Past*>& states)
{
    states.clear();
    for (int32_t i = first; i >= 0; i = index.Next[static_cast<size_t>(i)])
        states.push_back(index.Records[static_cast<size_t>(i)]);
    std::sort(states.begin(), states.end(),
        [](const Past* a, const Past* b) { return a->Turn < b->Turn; });
    return states;
}

// Where a unit or ship was in a turn, under which party, with which items
// (null: unknown).
struct ObjectState {
    Place Where;
    int32_t Party = -1;
    const std::vector<TItem>* Items = nullptr;
};

ObjectState StateOf(const TPastObject& past)
{
    return { { past.X, past.Y, past.Z }, past.Party,
        past.ItemsKnown != 0 ? &past.Items->Entries : nullptr };
}

// The count of `item` in `items`, all its entries together: a merged unit
// may list an item twice.
int32_t CountOf(const std::vector<TItem>& items, const std::string& item)
{
    int64_t count = 0;
    for (const TItem& entry : items) {
        if (entry.Item == item)
            count += entry.Count;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(count, INT32_MIN, INT32_MAX));
}

// "Schwert 5 → 2, Pferd 1 → 0": the items an own unit holds fewer of; its
// silver has a kind of its own.
std::string LostItems(const std::vector<TItem>& before, const std::vector<TItem>& after)
{
    std::string text;
    for (auto item = before.begin(); item != before.end(); ++item) {
        if (item->Item == "Silber"
            || std::any_of(before.begin(), item,
                [&item](const TItem& other) { return other.Item == item->Item; }))
            continue;
        const int32_t was = CountOf(before, item->Item);
        const int32_t count = CountOf(after, item->Item);
        if (count < was)
            text += (text.empty() ? "" : ", ") + DisplayText(item->Item) + " " + Arrow(was, count);
    }
    return text;
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
        IndexPast();
        // Most units change in persons every turn: room for a change of each
        // unit and region saves growing the list again and again.
        size_t room = FReport.Regions->Count();
        for (const TRegion* region : *FReport.Regions)
            room += region != nullptr ? region->Units->Count() : 0;
        FFound.reserve(room);
        CollectFights();
        for (const TRegion* region : *FReport.Regions) {
            if (region != nullptr)
                CollectRegion(*region);
        }
        CollectPastOnly();
        return InListOrder();
    }

private:
    // The groups of a kind in list order: own, allied, disguised, enemy, no
    // party.
    static constexpr size_t kGroupsPerKind = 5;
    static size_t GroupOf(const TurnChange& change)
    {
        return change.Category ? static_cast<size_t>(3 - Rank(*change.Category)) : 4;
    }

    void IndexPast()
    {
        FPastObjects = IndexRecords<TPastObject>(*FReport.PastObjects, ObjectKey);
        FHeld.assign(FPastObjects.Records.size(), false);
        FPastPrices = IndexRecords<TPastPrices>(*FReport.PastPrices, PlaceKey);
    }

    // The recorded states of an object that the database holds still; valid
    // until the next call.
    PastStates<TPastObject> PastOf(int32_t kind, int32_t nr)
    {
        if (FPastObjects.Records.empty())
            return {};
        const int32_t first = FPastObjects.First.Find(kind, nr, 0);
        if (first >= 0)
            FHeld[static_cast<size_t>(first)] = true;
        return StatesFrom(FPastObjects, first, FObjectStates);
    }

    // The index of the region at `place` in the report's list, -1 for none.
    int32_t RegionIndexAt(const Place& place)
    {
        const TRegionList& regions = *FReport.Regions;
        if (!FRegionIndex) {
            FRegionIndex.emplace(regions.Count());
            for (size_t i = 0; i < regions.Count(); ++i) {
                if (const TRegion* region = regions[i])
                    FRegionIndex->Add(region->CX, region->CY, region->CZ, static_cast<int32_t>(i));
            }
        }
        const auto [x, y, z] = place;
        return FRegionIndex->Find(x, y, z);
    }

    const TRegion* RegionAt(const Place& place)
    {
        const int32_t at = RegionIndexAt(place);
        return at >= 0 ? (*FReport.Regions)[static_cast<size_t>(at)] : nullptr;
    }

    // Many units leave the same region: its description is made once.
    const std::string& PlaceText(const Place& place)
    {
        const int32_t at = RegionIndexAt(place);
        if (at < 0) {
            const auto [x, y, z] = place;
            FPlaceText = "(" + std::to_string(x) + "," + std::to_string(y)
                + (z != 0 ? "," + std::to_string(z) : "") + ")";
            return FPlaceText;
        }
        if (FPlaceTexts.empty())
            FPlaceTexts.resize(FReport.Regions->Count());
        std::string& text = FPlaceTexts[static_cast<size_t>(at)];
        if (text.empty())
            text = RegionDescription((*FReport.Regions)[static_cast<size_t>(at)]);
        return text;
    }

    // The state of an object in `turn`: that of its first record from that
    // turn on, else the present one.
    static ObjectState StateAt(
        PastStates<TPastObject> states, int32_t turn, const ObjectState& present)
    {
        const TPastObject* past = RecordFrom(states, turn);
        return past != nullptr ? StateOf(*past) : present;
    }

    struct ObjectKinds {
        ChangeKind Moved;
        ChangeKind Party;
    };

    // Moves, another party and (own units) lost items between two states of
    // one object; listed in its newer region. `name` describes the object.
    template <class Name>
    void CompareStates(const ObjectKinds& kinds, const ObjectState& old, const ObjectState& now,
        int32_t nr, const Name& name)
    {
        const TRegion* region = RegionAt(now.Where);
        if (region == nullptr)
            return;
        // A unit always has a party category (an unknown party: disguised).
        const bool hasParty = now.Party != -1 || kinds.Moved == ChangeKind::UnitMoved;
        if (old.Where != now.Where)
            Add(kinds.Moved, *region, name(now.Party) + ": aus " + PlaceText(old.Where), now.Party,
                hasParty, nr);
        if (old.Party != -1 && now.Party != -1 && old.Party != now.Party)
            Add(kinds.Party, *region,
                name(-1) + ": " + PartyText(old.Party) + " → " + PartyText(now.Party), now.Party,
                true, nr);
        if (kinds.Moved == ChangeKind::UnitMoved && now.Party == FReport.ActiveParty
            && old.Party == now.Party && old.Items != nullptr && now.Items != nullptr) {
            const std::string lost = LostItems(*old.Items, *now.Items);
            if (!lost.empty())
                Add(ChangeKind::ItemsLost, *region, name(-1) + ": " + lost, now.Party, true, nr);
        }
    }

    // Units and ships that only their records hold, known to be there from
    // their oldest to their newest record: gone by `to` when the newest
    // record, of a turn from `from` on, says so and their region was seen in
    // both turns; moved or given away between the states of both turns.
    void CollectPastOnly()
    {
        const std::vector<const TPastObject*>& records = FPastObjects.Records;
        for (size_t i = 0; i < records.size(); ++i) {
            const int32_t first = FPastObjects.First.Find(records[i]->Kind, records[i]->Nr, 0);
            if (first != static_cast<int32_t>(i) || FHeld[i])
                continue;
            const PastStates<TPastObject> states = StatesFrom(FPastObjects, first, FObjectStates);
            const TPastObject* const old = RecordFrom(states, FFrom);
            if (old == nullptr || states.front()->Turn > FFrom)
                continue;
            const bool unit = old->Kind == TPastObject::Unit;
            const ObjectKinds kinds = unit
                ? ObjectKinds { ChangeKind::UnitMoved, ChangeKind::UnitParty }
                : ObjectKinds { ChangeKind::ShipMoved, ChangeKind::ShipParty };
            const auto name = [&](int32_t party) { return PastName(*old, party); };
            if (const TPastObject* now = RecordFrom(states, FTo)) {
                CompareStates(kinds, StateOf(*old), StateOf(*now), old->Nr, name);
                continue;
            }
            const TPastObject& last = *states.back();
            const TRegion* region = RegionAt(StateOf(last).Where);
            if (last.Gone == 0 || region == nullptr || !Seen(*region, FFrom) || !Seen(*region, FTo))
                continue;
            std::string text = PastName(last, last.Party);
            if (unit && last.Persons != -1)
                text += ", " + CountText(last.Persons, "Person", "Personen");
            Add(unit ? ChangeKind::UnitGone : ChangeKind::ShipGone, *region, std::move(text),
                last.Party, unit || last.Party != -1, last.Nr);
        }
    }

    // "Späher (2u8), Die Wüstenfüchse (2vy)" of a recorded state, a ship with
    // its type; without the party for `party` -1.
    std::string PastName(const TPastObject& past, int32_t party)
    {
        std::string name = DisplayText(past.Name) + " (" + FReport.FormatNr(past.Nr) + ")";
        if (past.Kind == TPastObject::Ship)
            name = DisplayText(past.Type_) + " " + name;
        if (party != -1)
            name += ", " + PartyText(party);
        return name;
    }

    static size_t BucketOf(const TurnChange& change)
    {
        return static_cast<size_t>(change.Kind) * kGroupsPerKind + GroupOf(change);
    }

    void Keep(TurnChange&& change)
    {
        ++FBucketSizes[BucketOf(change)];
        FFound.push_back(std::move(change));
    }

    // The changes by kind and group, each group in the order found: a
    // counting sort, since the changes of a large world are many.
    std::vector<TurnChange> InListOrder()
    {
        std::array<size_t, kBuckets> next {};
        for (size_t bucket = 1; bucket < kBuckets; ++bucket)
            next[bucket] = next[bucket - 1] + FBucketSizes[bucket - 1];
        std::vector<TurnChange> changes(FFound.size());
        for (TurnChange& change : FFound)
            changes[next[BucketOf(change)]++] = std::move(change);
        return changes;
    }

    const std::string& PartyText(int32_t party)
    {
        auto [at, added] = FPartyTexts.try_emplace(party);
        if (added)
            at->second = FReport.PartyDescription(party);
        return at->second;
    }

    void Add(ChangeKind kind, const TRegion& region, std::string_view text, int32_t party = -1,
        bool hasParty = false, int32_t nr = -1)
    {
        AddParts(kind, region, { text }, party, hasParty, nr);
    }

    // Add for a text of several parts, joined into the change's text at
    // once: most changes of a large world are units, whose texts are many.
    void AddParts(ChangeKind kind, const TRegion& region,
        std::initializer_list<std::string_view> parts, int32_t party = -1, bool hasParty = false,
        int32_t nr = -1)
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
        size_t size = FRegionText.size() + 2;
        for (std::string_view part : parts)
            size += part.size();
        change.Text.reserve(size);
        change.Text.append(FRegionText).append(": ");
        for (std::string_view part : parts)
            change.Text.append(part);
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
        PersonsSeen(region, FFrom, FOldPersons);
        PersonsSeen(region, FTo, FNewPersons);
        const PartyPersons& old = FOldPersons;
        const PartyPersons& now = FNewPersons;
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
                    PartyText(party) + ", " + CountText(count, "Person", "Personen"), party, true);
        }
        for (const auto& [party, count] : old) {
            if (!HasParty(now, party))
                Add(ChangeKind::PartyLeft, region,
                    PartyText(party) + ", vorher " + CountText(count, "Person", "Personen"), party,
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
                Add(kind, region, ArrowText(*old, *now).View());
        }
        CollectPrices(region);
    }

    // The market prices of `turn`: those of the first record from that turn
    // on, else the present ones when described in that turn or later.
    const std::vector<TPrice>* PricesAt(const TRegion& region, int32_t turn)
    {
        const PastStates<TPastPrices> states = FPastPrices.Records.empty()
            ? PastStates<TPastPrices> {}
            : StatesFrom(
                FPastPrices, FPastPrices.First.Find(region.CX, region.CY, region.CZ), FPriceStates);
        if (const TPastPrices* past = RecordFrom(states, turn))
            return &past->Prices->Entries;
        return region.FullInfoDate >= turn ? &region.Prices->Entries : nullptr;
    }

    void CollectPrices(const TRegion& region)
    {
        const std::vector<TPrice>* old = PricesAt(region, FFrom);
        const std::vector<TPrice>* now = PricesAt(region, FTo);
        if (old == nullptr || now == nullptr || old == now)
            return;
        std::string text;
        for (const TPrice& price : *old) {
            const auto same = std::find_if(now->begin(), now->end(),
                [&price](const TPrice& other) { return other.Item == price.Item; });
            if (same != now->end() && Beyond(price.Price, same->Price, FThresholds.Prices))
                text += (text.empty() ? "" : ", ") + DisplayText(price.Item) + " "
                    + Arrow(price.Price, same->Price);
        }
        if (!text.empty())
            Add(ChangeKind::Prices, region, text);
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
            const PastStates<TPastObject> past = PastOf(TPastObject::Unit, unit->Nr);
            const std::array<bool, 2> present { old || oldSilver || RecordedAt(past, FFrom),
                now || newSilver || RecordedAt(past, FTo) };
            const auto name = [&] { return Named(*unit) + ", " + PartyText(unit->Party); };
            const auto newOrGone
                = [&] { return name() + (now ? ", " + CountText(*now, "Person", "Personen") : ""); };
            if (NewOrGone(*unit, present, before, after, ChangeKind::UnitNew, ChangeKind::UnitGone,
                    region, newOrGone, true))
                continue;
            if (!past.empty() && present[0] && present[1]) {
                const ObjectState current { { region.CX, region.CY, region.CZ }, unit->Party,
                    unit->Party == FReport.ActiveParty ? &unit->Items->Entries : nullptr };
                CompareStates({ ChangeKind::UnitMoved, ChangeKind::UnitParty },
                    StateAt(past, FFrom, current), StateAt(past, FTo, current), unit->Nr,
                    [&](int32_t party) {
                        return Named(*unit) + (party != -1 ? ", " + PartyText(party) : "");
                    });
            }
            if (old && now && *old != *now)
                AddParts(*now < *old ? ChangeKind::UnitShrunk : ChangeKind::UnitGrown, region,
                    { DisplayText(unit->Name), " (", FReport.FormatNr(unit->Nr), "), ",
                        PartyText(unit->Party), ": ", ArrowText(*old, *now).View(), " Personen" },
                    unit->Party, true, unit->Nr);
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
            const PastStates<TPastObject> past = PastOf(TPastObject::Ship, ship->Nr);
            const std::array<bool, 2> present { seen(FFrom) || RecordedAt(past, FFrom),
                seen(FTo) || RecordedAt(past, FTo) };
            const bool hasParty = ship->Party != -1;
            const auto name = [&] { return PlaceName(ship->Type_, *ship, hasParty); };
            if (NewOrGone(*ship, present, before, after, ChangeKind::ShipNew, ChangeKind::ShipGone,
                    region, name, hasParty))
                continue;
            if (!past.empty()) {
                const ObjectState current { { region.CX, region.CY, region.CZ }, ship->Party };
                CompareStates({ ChangeKind::ShipMoved, ChangeKind::ShipParty },
                    StateAt(past, FFrom, current), StateAt(past, FTo, current), ship->Nr,
                    [&](int32_t party) { return PlaceName(ship->Type_, *ship, party != -1); });
            }
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
    // The records sorted by object (region), then turn; FHeld marks the first
    // record of each object that the database holds still.
    PastIndex<TPastObject> FPastObjects;
    std::vector<bool> FHeld;
    PastIndex<TPastPrices> FPastPrices;
    std::vector<const TPastObject*> FObjectStates; // of the object being compared
    std::vector<const TPastPrices*> FPriceStates; // of the region being compared
    std::optional<KeyIndex> FRegionIndex; // region indices by place, made when first needed
    std::vector<std::string> FPlaceTexts; // region descriptions by index, made when first needed
    std::string FPlaceText; // of a place without a region

    const TRegion* FTextRegion = nullptr; // whose description FRegionText holds
    std::string FRegionText;
    PartyPersons FOldPersons; // of the region being compared
    PartyPersons FNewPersons;
    static constexpr size_t kBuckets = kChangeKindCount * kGroupsPerKind;
    std::vector<TurnChange> FFound; // in the order found
    std::array<size_t, kBuckets> FBucketSizes {};
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
