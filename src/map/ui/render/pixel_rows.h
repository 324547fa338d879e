// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace maprune {

// Rows of 32-bit pixels filled or ORed two at a time: the compiler does not
// vectorise these loops at the optimisation level of the builds, and they
// are a good part of a redraw.

// Writes `colour` into `count` pixels from `to`; returns the end.
inline QRgb* FillPixels(QRgb* to, size_t count, QRgb colour)
{
    const uint64_t pair = (uint64_t { colour } << 32) | colour;
    size_t i = 0;
    for (; i + 2 <= count; i += 2)
        std::memcpy(to + i, &pair, sizeof pair);
    if (i < count)
        to[i] = colour;
    return to + count;
}

// ORs `count` pixels of `source` into `target`; the two do not overlap.
inline void OrPixels(QRgb* target, const QRgb* source, size_t count)
{
    size_t i = 0;
    for (; i + 2 <= count; i += 2) {
        uint64_t pair = 0;
        uint64_t add = 0;
        std::memcpy(&pair, target + i, sizeof pair);
        std::memcpy(&add, source + i, sizeof add);
        pair |= add;
        std::memcpy(target + i, &pair, sizeof pair);
    }
    if (i < count)
        target[i] |= source[i];
}

} // namespace maprune
