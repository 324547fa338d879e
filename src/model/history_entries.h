// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace maprune {

// One value of a history: the turn and the value then.
struct HistoryEntry {
    int32_t Date;
    int32_t Value;
    bool operator==(const HistoryEntry&) const = default;
};

// The entries of a history. A report read alone gives each history one
// entry, which lies inside this object; longer histories (merged turns) go
// to the heap. Millions of histories make the difference: no allocation per
// history on reading, and half the size of a std::vector.
class HistoryEntries {
public:
    using value_type = HistoryEntry;
    using const_iterator = const HistoryEntry*;
    using iterator = const_iterator;

    HistoryEntries() = default;
    ~HistoryEntries() { Release(); }
    HistoryEntries(const HistoryEntries&) = delete;
    HistoryEntries& operator=(const HistoryEntries&) = delete;

    const HistoryEntry* begin() const { return Data(); }
    const HistoryEntry* end() const { return Data() + FSize; }
    uint32_t size() const { return FSize; }
    bool empty() const { return FSize == 0; }
    const HistoryEntry& front() const { return Data()[0]; }
    const HistoryEntry& operator[](size_t index) const { return Data()[index]; }

    // Inserts `entry` before position `index` (at most size()).
    void Insert(size_t index, HistoryEntry entry)
    {
        if (FSize == FCapacity)
            Grow(FCapacity * 2);
        HistoryEntry* data = Data();
        std::memmove(data + index + 1, data + index, (FSize - index) * sizeof(HistoryEntry));
        data[index] = entry;
        ++FSize;
    }

    void Assign(std::span<const HistoryEntry> entries)
    {
        FSize = 0;
        if (entries.size() > FCapacity)
            Grow(static_cast<uint32_t>(entries.size()));
        std::copy(entries.begin(), entries.end(), Data());
        FSize = static_cast<uint32_t>(entries.size());
    }

    friend bool operator==(const HistoryEntries& a, const std::vector<HistoryEntry>& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    bool OnHeap() const { return FCapacity > kInline; }
    HistoryEntry* Data() { return OnHeap() ? FHeap : &FInline; }
    const HistoryEntry* Data() const { return OnHeap() ? FHeap : &FInline; }

    void Grow(uint32_t capacity)
    {
        auto* heap = new HistoryEntry[capacity];
        std::copy(begin(), end(), heap);
        Release();
        FHeap = heap;
        FCapacity = capacity;
    }
    void Release()
    {
        if (OnHeap())
            delete[] FHeap;
    }

    static constexpr uint32_t kInline = 1;
    union {
        HistoryEntry FInline { 0, 0 };
        HistoryEntry* FHeap;
    };
    uint32_t FSize = 0;
    uint32_t FCapacity = kInline;
};

} // namespace maprune
