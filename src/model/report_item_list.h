// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

#include "model/report_item.h"

namespace maprune {

// An ordered list that owns its elements. Adding an element moves it, with
// everything it owns, to the list's report. Entries may be empty (null) after
// Release until Pack drops them.
class TReportItemList : public TReportItem {
    MAPRUNE_REPORT_CLASS
public:
    size_t Count() const { return FItems.size(); }
    TReportItem* Item(size_t index) const { return FItems[index].get(); }

    // Appends `item` and re-owns it to the list's report. Throws Error when
    // the item is not of the list's element class.
    void Add(std::unique_ptr<TReportItem> item);
    // Adds `item` before entry `index` (at the end when past it), as Add.
    void Insert(size_t index, std::unique_ptr<TReportItem> item);
    // Frees every element and empties the list.
    void Clear() { FItems.clear(); }
    // Drops empty entries.
    void Pack();
    // Removes entry `index` and hands the element over without freeing it.
    std::unique_ptr<TReportItem> Extract(size_t index);
    // Takes the element out and leaves the entry empty.
    std::unique_ptr<TReportItem> Release(size_t index) { return std::move(FItems[index]); }
    void Reserve(size_t count) { FItems.reserve(count); }
    // Gives back the room kept for more elements.
    void ShrinkToFit() { FItems.shrink_to_fit(); }

    // The class every element must be of.
    virtual const ClassInfo& ElementClass() const { return TReportItem::StaticClass(); }

protected:
    void SetOwnerOfElements(TReport* newOwner) override;

private:
    std::vector<std::unique_ptr<TReportItem>> FItems;
};

// A list whose elements are of class T (checked on Add).
template <class T> class TTypedList : public TReportItemList {
public:
    T* operator[](size_t index) const { return static_cast<T*>(Item(index)); }
    const ClassInfo& ElementClass() const override { return T::StaticClass(); }

    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T**;
        using reference = T*;
        Iterator(const TTypedList* list, size_t index)
            : FList(list)
            , FIndex(index)
        {
        }
        T* operator*() const { return (*FList)[FIndex]; }
        Iterator& operator++()
        {
            ++FIndex;
            return *this;
        }
        bool operator==(const Iterator& other) const { return FIndex == other.FIndex; }

    private:
        const TTypedList* FList;
        size_t FIndex;
    };
    // Iteration yields the element pointers, null for empty entries.
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, Count()); }
};

} // namespace maprune
