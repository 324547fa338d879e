// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "map/colour_scale.h"

namespace maprune {

// The outline of a hexagon in statistic and political mode: white for a
// selected region (bit 0 of `tag`), else grey.
Rgb OutlineColour(int32_t tag);

// What the political picture of a region is drawn from: picture number
// Picture (31 .. 37, the template for ShareCount parts) with palette entries
// 1 .. ShareCount set to Fill[0 .. ShareCount-1] and entry 15 to Outline.
struct PoliticTemplate {
    int Picture = 0;
    int ShareCount = 0;
    std::array<Rgb, 7> Fill {};
    Rgb Outline = 0;
    bool operator==(const PoliticTemplate&) const = default;
};

// The political shares of one region: per colour (party or alliance) the
// persons counted for one turn, largest first; among equal counts the earlier
// share stays first.
class TXSolidBitmap {
public:
    static constexpr int MaxColours = 7;

    struct Share {
        Rgb Colour = 0;
        int32_t Count = 0;
        int32_t Turn = 0;
        std::string Name;
        bool operator==(const Share&) const = default;
    };

    // Adds `count` persons of `colour`. A negative count is ignored; a
    // `turn` older than that of the shares is ignored; a newer one first
    // drops the older shares (also for a count of 0). Counts of one colour
    // are summed (saturating); the share keeps its first name.
    void AddShare(Rgb colour, int32_t count, const std::string& name, int32_t turn);
    void Clear() { FShares.clear(); }

    const std::vector<Share>& Shares() const { return FShares; }

    // The names of all shares joined by ", ", or "--- undefiniert/unbekannt ---"
    // when there is none.
    std::string NamesText() const;

    // The first (largest) up to seven shares on the template for their
    // number; with no share the one-part template in 0x404040.
    PoliticTemplate Template(int32_t tag) const;

private:
    std::vector<Share> FShares;
};

} // namespace maprune
