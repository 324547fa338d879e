// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace maprune {

// Finds a number (an index into some list) by a key of three integers: the
// coordinates of a region, or the kind and number of an object. One open
// table, built once, without an allocation per entry: the comparison of two
// turns looks up every region and unit of the database.
class KeyIndex {
public:
    explicit KeyIndex(size_t expected = 0);

    // Keeps the first value of a key; `value` is at least 0.
    void Add(int32_t a, int32_t b, int32_t c, int32_t value);
    // The value of the key, -1 when it has none.
    int32_t Find(int32_t a, int32_t b, int32_t c) const;

private:
    struct Slot {
        int32_t A = 0;
        int32_t B = 0;
        int32_t C = 0;
        int32_t Value = -1; // -1: empty
    };

    size_t First(int32_t a, int32_t b, int32_t c) const;

    std::vector<Slot> FSlots;
    size_t FMask = 0;
    size_t FCount = 0;
};

} // namespace maprune
