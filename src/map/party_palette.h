// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

#include "map/colour_scale.h"

namespace maprune {

constexpr size_t kPartyColourCount = 120;

// The party colours: of the 125 colours whose channels are each one of 0x00,
// 0x40, 0x80, 0xC0, 0xFF, all but 0x000000, 0x808080, 0x404040, 0xFFFFFF
// and 0xFF0000, ordered so that each colour lies farthest (smallest squared
// channel distance largest, the first such on ties) from all before it,
// starting with 0x0000FF. Computed once.
const std::array<Rgb, kPartyColourCount>& PartyPalette();

// A cursor into the palette: Next returns the colour at the cursor and
// advances it, wrapping after the last colour.
class PartyColourCursor {
public:
    Rgb Next();
    void Reset() { FIndex = 0; }

private:
    size_t FIndex = 0;
};

} // namespace maprune
