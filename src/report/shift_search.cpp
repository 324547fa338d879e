// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/shift_search.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/progress.h"
#include "model/game_data.h"
#include "model/report.h"

namespace maprune {

namespace {

// Cells of the dense tally grid at most; beyond, a hash table holds only the
// shifts that occur.
constexpr int64_t kDenseCellLimit = int64_t{1} << 22;
constexpr size_t kProgressStep = 64;

struct XRegion {
    int32_t X;
    int32_t Y;
    uint16_t TerrainSet; // terrain numbers compatible with this region's terrain
    int32_t Name;        // 0: no name
};

struct YRegion {
    int32_t X;
    int32_t Y;
    uint16_t TerrainBit; // this region's terrain number as a set member, 0 for none
    int32_t Name;
    bool First; // the first region of the layer at its place: the one a lookup finds
};

// What the test of one shift counts, gathered pair by pair.
struct Tally {
    int32_t Rank = -1; // candidate order; -1 while no compatible pair formed it
    int32_t Overlaps = 0;
    int32_t TerrainMatches = 0;
    int32_t NameMatches = 0;
    int32_t NameMismatches = 0;
};

struct Samples {
    std::vector<XRegion> Xs;
    std::vector<YRegion> Ys;
};

class NameIds {
public:
    int32_t Of(const std::string& name)
    {
        if (name.empty())
            return 0;
        return FIds.try_emplace(name, static_cast<int32_t>(FIds.size()) + 1).first->second;
    }

private:
    std::unordered_map<std::string_view, int32_t> FIds;
};

uint64_t PlaceKey(int32_t x, int32_t y)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) | static_cast<uint32_t>(y);
}

Samples Sample(const TReport& x, const TReport& y, int32_t layer)
{
    Samples samples;
    NameIds names;
    for (const TRegion* a : *x.Regions) {
        if (a == nullptr || a->CZ != layer)
            continue;
        const GameRecord* terrain = a->EffectiveTerrainType();
        samples.Xs.push_back(
            XRegion{a->CX, a->CY, terrain != nullptr ? terrain->TerrainSet() : uint16_t{0},
                    names.Of(a->Name)});
    }
    std::unordered_set<uint64_t> places;
    for (const TRegion* b : *y.Regions) {
        if (b == nullptr || b->CZ != layer)
            continue;
        const GameRecord* terrain = b->EffectiveTerrainType();
        uint16_t bit = 0;
        if (terrain != nullptr && terrain->TerrainNumber() < 16)
            bit = static_cast<uint16_t>(1u << terrain->TerrainNumber());
        const bool first = places.insert(PlaceKey(b->CX, b->CY)).second;
        samples.Ys.push_back(YRegion{b->CX, b->CY, bit, names.Of(b->Name), first});
    }
    return samples;
}

inline void CountPair(Tally& tally, const XRegion& a, const YRegion& b, bool compatible,
                      int32_t& nextRank)
{
    if (compatible && tally.Rank < 0)
        tally.Rank = nextRank++;
    if (!b.First)
        return;
    ++tally.Overlaps;
    tally.TerrainMatches += compatible ? 1 : 0;
    if (a.Name != 0 && b.Name != 0) {
        if (a.Name == b.Name)
            ++tally.NameMatches;
        else
            ++tally.NameMismatches;
    }
}

void ReportGeneration(Progress& progress, size_t position, size_t count)
{
    if (position % kProgressStep == 0) {
        progress.SetPosition(static_cast<int>(500 * position / count));
        progress.ProcessEvents();
    }
}

// Open-addressing map from a packed shift to its tally.
class ShiftTallies {
public:
    ShiftTallies() : FSlots(1024, -1) {}

    Tally& At(uint32_t key)
    {
        size_t slot = SlotOf(key);
        while (FSlots[slot] >= 0) {
            if (FKeys[static_cast<size_t>(FSlots[slot])] == key)
                return FTallies[static_cast<size_t>(FSlots[slot])];
            slot = (slot + 1) & (FSlots.size() - 1);
        }
        FSlots[slot] = static_cast<int32_t>(FTallies.size());
        FKeys.push_back(key);
        FTallies.emplace_back();
        if (FTallies.size() * 2 > FSlots.size())
            Grow();
        return FTallies.back();
    }

    size_t Size() const { return FTallies.size(); }
    uint32_t Key(size_t i) const { return FKeys[i]; }
    const Tally& TallyAt(size_t i) const { return FTallies[i]; }

private:
    size_t SlotOf(uint32_t key) const
    {
        return static_cast<size_t>((key * 0x9E3779B1u) ^ (key >> 15)) & (FSlots.size() - 1);
    }

    void Grow()
    {
        FSlots.assign(FSlots.size() * 2, -1);
        for (size_t i = 0; i < FKeys.size(); ++i) {
            size_t slot = SlotOf(FKeys[i]);
            while (FSlots[slot] >= 0)
                slot = (slot + 1) & (FSlots.size() - 1);
            FSlots[slot] = static_cast<int32_t>(i);
        }
    }

    std::vector<int32_t> FSlots;
    std::vector<uint32_t> FKeys;
    std::vector<Tally> FTallies;
};

struct Found {
    Shift Offset;
    Tally Counts;
};

struct Extent {
    int64_t MinX = 0, MaxX = -1, MinY = 0, MaxY = -1;

    template <class R>
    static Extent Of(const std::vector<R>& regions)
    {
        Extent e;
        if (regions.empty())
            return e;
        e.MinX = e.MaxX = regions.front().X;
        e.MinY = e.MaxY = regions.front().Y;
        for (const R& r : regions) {
            e.MinX = std::min<int64_t>(e.MinX, r.X);
            e.MaxX = std::max<int64_t>(e.MaxX, r.X);
            e.MinY = std::min<int64_t>(e.MinY, r.Y);
            e.MaxY = std::max<int64_t>(e.MaxY, r.Y);
        }
        return e;
    }
};

// Tallies every shift in a grid over the box of all differences B - A: the
// cell of a pair is a sum of one part of A and one part of B, so the inner
// loop needs no hashing.
int32_t TallyDense(const Samples& s, const Extent& ex, const Extent& ey, int64_t width,
                   int64_t height, std::vector<Found>& found, Progress& progress)
{
    std::vector<Tally> grid(static_cast<size_t>(width * height));
    std::vector<int64_t> partOfB(s.Ys.size());
    for (size_t j = 0; j < s.Ys.size(); ++j)
        partOfB[j] = (s.Ys[j].Y - ey.MinY) * width + (s.Ys[j].X - ey.MinX);

    int32_t nextRank = 0;
    for (size_t i = 0; i < s.Xs.size(); ++i) {
        ReportGeneration(progress, i, s.Xs.size());
        const XRegion& a = s.Xs[i];
        Tally* base = grid.data() + (ex.MaxY - a.Y) * width + (ex.MaxX - a.X);
        for (size_t j = 0; j < s.Ys.size(); ++j) {
            const YRegion& b = s.Ys[j];
            CountPair(base[partOfB[j]], a, b, (a.TerrainSet & b.TerrainBit) != 0, nextRank);
        }
    }

    const int64_t dxMin = ey.MinX - ex.MaxX;
    const int64_t dyMin = ey.MinY - ex.MaxY;
    for (size_t cell = 0; cell < grid.size(); ++cell) {
        if (grid[cell].Rank < 0)
            continue;
        const auto index = static_cast<int64_t>(cell);
        if (auto shift = MakeShift(dxMin + index % width, dyMin + index / width))
            found.push_back(Found{*shift, grid[cell]});
    }
    return nextRank;
}

int32_t TallyHashed(const Samples& s, std::vector<Found>& found, Progress& progress)
{
    ShiftTallies tallies;
    int32_t nextRank = 0;
    for (size_t i = 0; i < s.Xs.size(); ++i) {
        ReportGeneration(progress, i, s.Xs.size());
        const XRegion& a = s.Xs[i];
        for (const YRegion& b : s.Ys) {
            const bool compatible = (a.TerrainSet & b.TerrainBit) != 0;
            if (!compatible && !b.First)
                continue;
            const auto shift = MakeShift(int64_t{b.X} - a.X, int64_t{b.Y} - a.Y);
            if (!shift)
                continue;
            CountPair(tallies.At(PackShift(*shift)), a, b, compatible, nextRank);
        }
    }
    for (size_t i = 0; i < tallies.Size(); ++i) {
        if (tallies.TallyAt(i).Rank >= 0)
            found.push_back(Found{UnpackShift(tallies.Key(i)), tallies.TallyAt(i)});
    }
    return nextRank;
}

} // namespace

std::vector<ScoredShift> SearchShifts(const TReport& x, const TReport& y, int32_t layer,
                                      const AdaptationOptions& options, Progress& progress)
{
    progress.SetPosition(0);
    const Samples samples = Sample(x, y, layer);
    if (samples.Xs.empty() || samples.Ys.empty())
        return {};

    const Extent ex = Extent::Of(samples.Xs);
    const Extent ey = Extent::Of(samples.Ys);
    const int64_t width = (ey.MaxX - ey.MinX) + (ex.MaxX - ex.MinX) + 1;
    const int64_t height = (ey.MaxY - ey.MinY) + (ex.MaxY - ex.MinY) + 1;
    const auto pairs = static_cast<int64_t>(samples.Xs.size()) * static_cast<int64_t>(samples.Ys.size());
    const int64_t denseLimit = std::min(kDenseCellLimit, 8 * pairs + 65536);

    std::vector<Found> found;
    const int32_t candidates = width <= denseLimit && height <= denseLimit && width * height <= denseLimit
                                   ? TallyDense(samples, ex, ey, width, height, found, progress)
                                   : TallyHashed(samples, found, progress);

    struct Accepted {
        int64_t Score;
        int32_t Rank;
        Shift Offset;
    };
    std::vector<Accepted> accepted;
    size_t tested = 0;
    for (const Found& f : found) {
        if (tested++ % kProgressStep == 0) {
            progress.SetPosition(static_cast<int>(500 + 500 * static_cast<int64_t>(tested) / candidates));
            progress.ProcessEvents();
        }
        const Tally& t = f.Counts;
        const int64_t terrainMismatches = int64_t{t.Overlaps} - t.TerrainMatches;
        if (terrainMismatches >= options.TerrainMismatchLimit || t.NameMismatches >= options.NameMismatchLimit)
            continue;
        const int64_t score = int64_t{t.TerrainMatches} + t.NameMatches - terrainMismatches - t.NameMismatches;
        accepted.push_back(Accepted{score, t.Rank, f.Offset});
    }
    std::sort(accepted.begin(), accepted.end(), [](const Accepted& a, const Accepted& b) {
        return a.Score != b.Score ? a.Score > b.Score : a.Rank < b.Rank;
    });

    std::vector<ScoredShift> result;
    result.reserve(accepted.size());
    for (const Accepted& a : accepted)
        result.push_back(ScoredShift{a.Offset, static_cast<int32_t>(a.Score)});
    return result;
}

} // namespace maprune
