// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/solid_bitmap.h"

#include <algorithm>
#include <utility>

#include "map/rounding.h"
#include "model/region.h"

namespace maprune {

Rgb OutlineColour(int32_t tag)
{
    return (tag & TagSelected) != 0 ? 0xFFFFFF : 0x808080;
}

void TXSolidBitmap::AddShare(Rgb colour, int32_t count, const std::string& name, int32_t turn)
{
    if (count < 0)
        return;
    if (std::any_of(
            FShares.begin(), FShares.end(), [turn](const Share& s) { return s.Turn > turn; }))
        return;
    std::erase_if(FShares, [turn](const Share& s) { return s.Turn < turn; });
    if (count == 0)
        return;

    auto same = std::find_if(
        FShares.begin(), FShares.end(), [colour](const Share& s) { return s.Colour == colour; });
    size_t i;
    if (same != FShares.end()) {
        same->Count = ClampToInt32(int64_t { same->Count } + count);
        i = static_cast<size_t>(same - FShares.begin());
    } else {
        FShares.push_back({ colour, count, turn, name });
        i = FShares.size() - 1;
    }
    // Back into descending order; equal counts keep their order.
    if (i + 1 < FShares.size() && FShares[i + 1].Count > FShares[i].Count) {
        for (; i + 1 < FShares.size() && FShares[i + 1].Count > FShares[i].Count; ++i)
            std::swap(FShares[i], FShares[i + 1]);
    } else {
        for (; i > 0 && FShares[i - 1].Count < FShares[i].Count; --i)
            std::swap(FShares[i], FShares[i - 1]);
    }
}

std::string TXSolidBitmap::NamesText() const
{
    if (FShares.empty())
        return "--- undefiniert/unbekannt ---";
    std::string text = FShares.front().Name;
    for (size_t i = 1; i < FShares.size(); ++i)
        text += ", " + FShares[i].Name;
    return text;
}

PoliticTemplate TXSolidBitmap::Template(int32_t tag) const
{
    PoliticTemplate result;
    result.ShareCount = std::clamp(static_cast<int>(FShares.size()), 1, MaxColours);
    result.Picture = 30 + result.ShareCount;
    if (FShares.empty()) {
        result.Fill[0] = kNoValueColour;
    } else {
        for (int i = 0; i < result.ShareCount; ++i)
            result.Fill[static_cast<size_t>(i)] = FShares[static_cast<size_t>(i)].Colour;
    }
    result.Outline = OutlineColour(tag);
    return result;
}

} // namespace maprune
