// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ni_list.h"

#include "model/named_item.h"

namespace maprune {

namespace {

// Marks a slot whose entry was removed; lookups step over it.
TNamedItem* DeletedMarker()
{
    static TNamedItem* const marker = reinterpret_cast<TNamedItem*>(~static_cast<uintptr_t>(0));
    return marker;
}

bool IsLive(const TNIList::Pair& pair)
{
    return pair.Item != nullptr && pair.Item != DeletedMarker();
}

} // namespace

TNIList::TNIList() : FSlots(kInitialCapacity), FGrowAt(kInitialCapacity / 4 * 3) {}

uint32_t TNIList::SlotOf(int32_t nr) const
{
    // A multiplication by an odd constant spreads neighbouring numbers; the
    // square it replaces reached only a sixth of the slots.
    return (static_cast<uint32_t>(nr) * 0x9E3779B1u) & (Capacity() - 1);
}

bool TNIList::Grow()
{
    if (Capacity() * 2 > kMaxCapacity)
        return false;
    std::vector<Pair> old(Capacity() * 2);
    old.swap(FSlots);
    FUsed = 0;
    FGrowAt *= 2;
    for (const Pair& pair : old) {
        if (IsLive(pair))
            Insert(pair);
    }
    return true;
}

void TNIList::Insert(const Pair& pair)
{
    const uint32_t mask = Capacity() - 1;
    uint32_t slot = SlotOf(pair.Item->Nr);
    while (IsLive(FSlots[slot]))
        slot = (slot + 1) & mask;
    if (FSlots[slot].Item == nullptr)
        ++FUsed;
    FSlots[slot] = pair;
}

bool TNIList::AddEntry(TNamedItem* item, TReportItem* value)
{
    if (FUsed >= FGrowAt && !Grow())
        return false;
    Insert(Pair{item, value});
    return true;
}

uint32_t TNIList::FindSlot(int32_t nr) const
{
    const uint32_t mask = Capacity() - 1;
    uint32_t slot = SlotOf(nr);
    // Used < Capacity always holds, so an empty slot ends every walk.
    while (FSlots[slot].Item != nullptr) {
        if (FSlots[slot].Item != DeletedMarker() && FSlots[slot].Item->Nr == nr)
            return slot;
        slot = (slot + 1) & mask;
    }
    return Capacity();
}

TNamedItem* TNIList::FindItem(int32_t nr) const
{
    const uint32_t slot = FindSlot(nr);
    return slot < Capacity() ? FSlots[slot].Item : nullptr;
}

TReportItem* TNIList::FindValue(int32_t nr) const
{
    const uint32_t slot = FindSlot(nr);
    return slot < Capacity() ? FSlots[slot].Value : nullptr;
}

void TNIList::RemoveEntry(int32_t nr)
{
    uint32_t slot = FindSlot(nr);
    if (slot == Capacity())
        return;
    const uint32_t mask = Capacity() - 1;
    FSlots[slot] = Pair{DeletedMarker(), nullptr};
    // A marker directly before an empty slot ends no chain and can go.
    while (FSlots[slot].Item == DeletedMarker() && FSlots[(slot + 1) & mask].Item == nullptr) {
        FSlots[slot] = Pair{};
        --FUsed;
        slot = (slot - 1) & mask;
    }
}

TNIList::Pair TNIList::Entry(uint32_t index) const
{
    if (index >= Capacity() || !IsLive(FSlots[index]))
        return {};
    return FSlots[index];
}

} // namespace maprune
