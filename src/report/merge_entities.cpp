// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/merge_entities.h"

#include <type_traits>
#include <unordered_set>
#include <vector>

#include "core/error.h"
#include "model/item_shape.h"
#include "model/region.h"
#include "report/merge_past.h"

namespace maprune {

namespace {

// ExchangeOwned for the objects of property `p` of `a` and `b`.
void ExchangeOwnedObjects(const PropertyInfo& p, TReportItem& a, TReportItem& b)
{
    TReport* ownerOfA = a.Owner();
    TReport* ownerOfB = b.Owner();
    p.SwapObjects(a, b);
    if (ownerOfA != ownerOfB) {
        p.SetObjectReport(a, ownerOfA);
        p.SetObjectReport(b, ownerOfB);
    }
}

void TakeProperty(const PropertyInfo& p, TReportItem& d, TReportItem& s)
{
    if (p.Kind != PropertyKind::Object) {
        p.CopyValue(d, s);
        return;
    }
    // Two objects never written are empty alike: there is nothing to take.
    if (p.HeldObject(d) == nullptr && p.HeldObject(s) == nullptr)
        return;
    TReportItem& theirs = p.EditObject(s);
    VisitShape(p.EditObject(d),
        ShapeHandlers { [&theirs]<class Entry>(TEntryList<Entry>& mine) {
                           mine.Entries.swap(static_cast<TEntryList<Entry>&>(theirs).Entries);
                       },
            [&](TReportItem&) { ExchangeOwnedObjects(p, d, s); } });
}

template <class List> using ListMember = SubObject<List> TRegion::*;

template <class List>
std::unique_ptr<TNIList> IndexEntities(const TReport& src, ListMember<List> list)
{
    auto index = std::make_unique<TNIList>();
    for (TRegion* region : *src.Regions) {
        if (region == nullptr)
            continue;
        for (auto* entity : *(region->*list)) {
            if (entity != nullptr && !index->AddEntry(entity, region))
                throw Error("Die Nummernliste ist voll: zu viele Einheiten, Schiffe oder Burgen");
        }
    }
    return index;
}

// Whether the added report shows the region at `place` with full
// information, so that a building missing there is gone.
bool FullyShown(TReport& src, const TRegion& place)
{
    const TRegion* shown = src.FindRegion(place.CX, place.CY, place.CZ);
    return shown != nullptr && shown->FullInfoDate > 0;
}

// The entities still in the index: those the database had no counterpart for.
std::unordered_set<const TReportItem*> Unmatched(const TNIList& index)
{
    std::unordered_set<const TReportItem*> unmatched;
    for (uint32_t slot = 0; slot < index.Capacity(); ++slot) {
        if (const TNamedItem* item = index.Entry(slot).Item)
            unmatched.insert(item);
    }
    return unmatched;
}

// What the past recorder keeps of an entity: units and ships, no buildings.
template <class Entity> constexpr bool kRecorded = !std::is_same_v<Entity, TBuilding>;

// The entities of an older added report that the database lacks: gone
// by the database's turn.
template <class Entity> void RecordUnmatched(const TNIList& index, PastRecorder& past)
{
    for (uint32_t slot = 0; slot < index.Capacity(); ++slot) {
        const TNIList::Pair entry = index.Entry(slot);
        if (entry.Item != nullptr)
            past.Gone(
                static_cast<const Entity&>(*entry.Item), static_cast<const TRegion&>(*entry.Value));
    }
}

template <class Entity, class List>
void MergeEntityPass(TReport& dest, TReport& src, TNIList& index, const MergeTurns& turns,
    PastRecorder& past, ListMember<List> list, void (*merge)(Entity&, Entity&, const MergeTurns&),
    bool keepUnlessFullyShown)
{
    const bool newer = turns.SrcNewer();
    // An entity moved into a region is appended behind the entities the
    // region had when the pass began; when the pass reaches that region it
    // stops before them, since they are merged already.
    std::vector<size_t> initialCounts;
    initialCounts.reserve(dest.Regions->Count());
    for (const TRegion* d : *dest.Regions)
        initialCounts.push_back(d != nullptr ? (d->*list)->Count() : 0);

    for (size_t i = 0; i < dest.Regions->Count(); ++i) {
        TRegion* d = (*dest.Regions)[i];
        if (d == nullptr)
            continue;
        List& entities = *(d->*list);
        for (size_t j = 0; j < initialCounts[i]; ++j) {
            Entity* e = entities[j];
            if (e == nullptr)
                continue;
            if (auto* s = static_cast<Entity*>(index.FindItem(e->Nr))) {
                const auto* r = static_cast<const TRegion*>(index.FindValue(e->Nr));
                TRegion* t = dest.FindRegion(r->CX, r->CY, r->CZ);
                if constexpr (kRecorded<Entity>) {
                    if (newer)
                        past.Compare(*e, *d, *s, *r);
                    else
                        past.Compare(*s, *r, *e, *d);
                }
                merge(*e, *s, turns);
                index.RemoveEntry(e->Nr);
                if (newer && t != nullptr && t != d)
                    (t->*list)->Add(entities.Release(j));
            } else if (newer && (!keepUnlessFullyShown || FullyShown(src, *d))) {
                if constexpr (kRecorded<Entity>)
                    past.Gone(*e, *d);
                entities.Release(j);
            }
        }
        entities.Pack();
    }

    if (!newer) {
        if constexpr (kRecorded<Entity>)
            RecordUnmatched<Entity>(index, past);
        return;
    }
    // In the added report's order, so that the database lists them as it does.
    const std::unordered_set<const TReportItem*> unmatched = Unmatched(index);
    if (unmatched.empty())
        return;
    for (TRegion* r : *src.Regions) {
        if (r == nullptr)
            continue;
        List& entities = *(r->*list);
        TRegion* t = nullptr;
        for (size_t j = 0; j < entities.Count(); ++j) {
            if (entities[j] == nullptr || unmatched.count(entities[j]) == 0)
                continue;
            if (t == nullptr)
                t = dest.FindRegion(r->CX, r->CY, r->CZ);
            if (t != nullptr)
                (t->*list)->Add(entities.Release(j));
        }
        entities.Pack();
    }
}

} // namespace

void MergeProperties(TReportItem& d, TReportItem& s, bool srcNewer)
{
    for (const PropertyInfo& p : d.Class().Properties) {
        if (p.Merge == MergeRule::History) {
            // An empty history adds nothing, and the database's stays unmade.
            const auto& theirs = static_cast<const THistoryInteger&>(p.ReadObject(s));
            if (theirs.HistoryCount() > 0)
                static_cast<THistoryInteger&>(p.EditObject(d)).MergeFrom(theirs);
        } else if (p.Merge == MergeRule::Newer && srcNewer)
            TakeProperty(p, d, s);
    }
}

void MergeUnit(TUnit& e, TUnit& s, const MergeTurns& turns)
{
    MergeProperties(e, s, turns.SrcNewer());
}

void MergeShip(TShip& e, TShip& s, const MergeTurns& turns)
{
    MergeProperties(e, s, turns.SrcNewer());
}

void MergeBuilding(TBuilding& e, TBuilding& s, const MergeTurns& turns)
{
    MergeProperties(e, s, turns.SrcNewer());
}

std::unique_ptr<TNIList> IndexUnits(const TReport& src)
{
    return IndexEntities(src, &TRegion::Units);
}

std::unique_ptr<TNIList> IndexShips(const TReport& src)
{
    return IndexEntities(src, &TRegion::Ships);
}

std::unique_ptr<TNIList> IndexBuildings(const TReport& src)
{
    return IndexEntities(src, &TRegion::Buildings);
}

void MergeUnits(
    TReport& dest, TReport& src, TNIList& index, const MergeTurns& turns, PastRecorder& past)
{
    MergeEntityPass<TUnit>(dest, src, index, turns, past, &TRegion::Units, &MergeUnit, false);
}

void MergeShips(
    TReport& dest, TReport& src, TNIList& index, const MergeTurns& turns, PastRecorder& past)
{
    MergeEntityPass<TShip>(dest, src, index, turns, past, &TRegion::Ships, &MergeShip, false);
}

void MergeBuildings(
    TReport& dest, TReport& src, TNIList& index, const MergeTurns& turns, PastRecorder& past)
{
    MergeEntityPass<TBuilding>(
        dest, src, index, turns, past, &TRegion::Buildings, &MergeBuilding, true);
}

} // namespace maprune
