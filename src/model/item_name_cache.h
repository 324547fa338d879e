// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace maprune {

struct GameRecord;

// GetItem's cache: a fixed table of kSlots entries from a name, exactly as it
// was asked for, to the record found for it. A hit compares the whole name,
// so two names never share an entry, whatever their hashes. Entries are
// never removed; once the table is full, new names are simply not cached.
// The records are borrowed and must outlive the cache.
class ItemNameCache {
public:
    static constexpr size_t kSlots = 1024;

    // The record cached for `name`, or null.
    const GameRecord* Find(std::string_view name) const;
    // Caches `record` for `name` unless the name is cached already or the
    // table is full.
    void Insert(std::string_view name, const GameRecord& record);
    size_t Filled() const { return FFilled; }

    // The hash that places a name; public so that tests can make names meet
    // in one slot.
    static uint32_t Hash(std::string_view name);

private:
    struct Slot {
        uint32_t hash = 0;
        const GameRecord* record = nullptr; // null: empty
        std::string name;
    };

    // The slot that holds `name`, or else the empty slot where it belongs,
    // or kSlots when neither exists.
    size_t Probe(std::string_view name, uint32_t hash) const;

    std::array<Slot, kSlots> FSlots;
    size_t FFilled = 0;
};

} // namespace maprune
