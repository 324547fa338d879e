// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace maprune {

class TNamedItem;
class TReportItem;

// Open-addressing hash map from a numbered item (unit, ship or building,
// keyed by its Nr) to a second object (the region holding it). Grows by
// doubling from 8192 slots; deleted entries leave markers that later
// additions reuse. Neither items nor values are owned.
class TNIList {
public:
    static constexpr uint32_t kInitialCapacity = 8192;
    static constexpr uint32_t kMaxCapacity = 0x8000000;

    struct Pair {
        TNamedItem* Item = nullptr;
        TReportItem* Value = nullptr;
    };

    TNIList();

    // Adds the pair; keys are not tested for duplicates. Returns false, adding
    // nothing, when the table would have to grow beyond kMaxCapacity.
    bool AddEntry(TNamedItem* item, TReportItem* value);
    TNamedItem* FindItem(int32_t nr) const;
    TReportItem* FindValue(int32_t nr) const;
    void RemoveEntry(int32_t nr);
    // The pair in slot `index`; empty for free and deleted slots.
    Pair Entry(uint32_t index) const;
    uint32_t Capacity() const { return static_cast<uint32_t>(FSlots.size()); }
    uint32_t Used() const { return FUsed; }

private:
    uint32_t SlotOf(int32_t nr) const;
    // Slot of the live entry with `nr`, or Capacity() when there is none.
    uint32_t FindSlot(int32_t nr) const;
    bool Grow();
    void Insert(const Pair& pair);

    std::vector<Pair> FSlots;
    uint32_t FUsed = 0;
    uint32_t FGrowAt;
};

} // namespace maprune
