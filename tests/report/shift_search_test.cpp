// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "core/progress.h"
#include "model/game_data.h"
#include "report/report_building.h"
#include "report/shift_search.h"

using namespace maprune;
using namespace maprune::test;

namespace {

bool Compatible(const TRegion& a, const TRegion& b)
{
    const GameRecord* ta = a.EffectiveTerrainType();
    const GameRecord* tb = b.EffectiveTerrainType();
    return ta != nullptr && tb != nullptr && tb->TerrainNumber() < 16
           && (ta->TerrainSet() & (1u << tb->TerrainNumber())) != 0;
}

// The search step by step: candidates collected with a duplicate search,
// each tested against every region through the coordinate index, then a
// stable exchange sort by score.
std::vector<ScoredShift> DirectSearch(TReport& x, TReport& y, int32_t layer,
                                      const AdaptationOptions& options)
{
    std::vector<uint32_t> candidates;
    for (const TRegion* a : *x.Regions) {
        if (a->CZ != layer)
            continue;
        for (const TRegion* b : *y.Regions) {
            if (b->CZ != layer || !Compatible(*a, *b))
                continue;
            const auto shift = MakeShift(int64_t{b->CX} - a->CX, int64_t{b->CY} - a->CY);
            if (shift && std::find(candidates.begin(), candidates.end(), PackShift(*shift)) == candidates.end())
                candidates.push_back(PackShift(*shift));
        }
    }
    std::vector<ScoredShift> accepted;
    for (const uint32_t packed : candidates) {
        const Shift s = UnpackShift(packed);
        int terrainMatch = 0, terrainMis = 0, nameMatch = 0, nameMis = 0;
        bool rejected = false;
        for (const TRegion* a : *x.Regions) {
            if (a->CZ != layer)
                continue;
            const int64_t bx = int64_t{a->CX} + s.Dx;
            const int64_t by = int64_t{a->CY} + s.Dy;
            if (bx != static_cast<int32_t>(bx) || by != static_cast<int32_t>(by))
                continue;
            const TRegion* b = y.FindRegion(static_cast<int32_t>(bx), static_cast<int32_t>(by), a->CZ);
            if (b == nullptr)
                continue;
            ++(Compatible(*a, *b) ? terrainMatch : terrainMis);
            if (!a->Name.empty() && !b->Name.empty())
                ++(a->Name == b->Name ? nameMatch : nameMis);
            if (terrainMis >= options.TerrainMismatchLimit || nameMis >= options.NameMismatchLimit) {
                rejected = true;
                break;
            }
        }
        if (!rejected)
            accepted.push_back(ScoredShift{s, terrainMatch + nameMatch - terrainMis - nameMis});
    }
    for (size_t i = 0; i < accepted.size(); ++i) {
        for (size_t j = 0; j + 1 < accepted.size() - i; ++j) {
            if (accepted[j].Score < accepted[j + 1].Score)
                std::swap(accepted[j], accepted[j + 1]);
        }
    }
    return accepted;
}

std::vector<ScoredShift> Search(const TReport& x, const TReport& y, const AdaptationOptions& options = {},
                                int32_t layer = 0)
{
    NullProgress progress;
    return SearchShifts(x, y, layer, options, progress);
}

const char* const kTerrains[] = {"Ebene", "Wald", "Berge", "Ozean", "Sumpf", "Gletscher", "Unbekannt"};
const char* const kNames[] = {"", "", "Tirana", "Ebrin", "Olaf"};

// A world of x and y: y shows part of x's regions moved by one offset, with
// some terrains and names changed, and regions of its own; places repeat.
void RandomWorld(std::mt19937& rng, TReport& x, TReport& y, int64_t spread, int32_t offset)
{
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int count = 1 + pick(24);
    for (int i = 0; i < count; ++i) {
        const auto cx = static_cast<int32_t>(static_cast<int64_t>(rng() % static_cast<uint64_t>(spread)) - spread / 2);
        const auto cy = static_cast<int32_t>(static_cast<int64_t>(rng() % static_cast<uint64_t>(spread)) - spread / 2);
        const int32_t z = pick(5) == 0 ? 1 : 0;
        const int terrain = pick(7);
        const int name = pick(5);
        if (pick(4) != 0)
            AddRegion(x, cx, cy, z, kTerrains[terrain], kNames[name]);
        if (pick(3) != 0) {
            AddRegion(y, cx + offset, cy - offset, z, kTerrains[pick(3) == 0 ? pick(7) : terrain],
                      kNames[pick(4) == 0 ? pick(5) : name]);
        }
        if (pick(4) == 0) {
            AddRegion(y, static_cast<int32_t>(rng() % static_cast<uint64_t>(spread)),
                      static_cast<int32_t>(rng() % static_cast<uint64_t>(spread)), z, kTerrains[pick(7)],
                      kNames[pick(5)]);
        }
    }
}

} // namespace

TEST(ShiftSearch, FindsWhatTheStepByStepSearchFindsOnRandomWorlds)
{
    TestTerrains terrains;
    std::mt19937 rng(20261208);
    // Small spreads fill a dense grid of shifts; large ones take the hash
    // table and also form differences that no 16-bit shift can hold.
    const int64_t spreads[] = {3, 6, 12, 1500, 70000};
    int nonEmpty = 0;
    for (int world = 0; world < 400; ++world) {
        const int64_t spread = spreads[world % 5];
        const auto offset = static_cast<int32_t>(rng() % static_cast<uint32_t>(spread)) - static_cast<int32_t>(spread / 3);
        auto x = NewReport(3);
        auto y = NewReport(4);
        RandomWorld(rng, *x, *y, spread, offset);
        AdaptationOptions options;
        options.NameMismatchLimit = 1 + static_cast<int32_t>(rng() % 4);
        options.TerrainMismatchLimit = 1 + static_cast<int32_t>(rng() % 6);
        for (int32_t layer : {0, 1}) {
            const auto expected = DirectSearch(*x, *y, layer, options);
            ASSERT_EQ(Search(*x, *y, options, layer), expected) << "world " << world << " layer " << layer;
            nonEmpty += expected.empty() ? 0 : 1;
        }
    }
    EXPECT_GT(nonEmpty, 300);
}

TEST(ShiftSearch, SameOriginWinsWithTheHighestScore)
{
    TestTerrains terrains;
    auto x = NewReport(3);
    auto y = NewReport(4);
    const char* names[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I"};
    int i = 0;
    for (int cx = 0; cx < 3; ++cx) {
        for (int cy = 0; cy < 3; ++cy, ++i) {
            AddRegion(*x, cx, cy, 0, "Ebene", names[i]);
            AddRegion(*y, cx, cy, 0, "Ebene", names[i]);
        }
    }
    const auto shifts = Search(*x, *y);
    ASSERT_FALSE(shifts.empty());
    EXPECT_EQ(shifts.front(), (ScoredShift{Shift{0, 0}, 18}));
    // Shifts under which only up to four names differ are accepted too.
    EXPECT_GT(shifts.size(), 1u);
    for (size_t k = 1; k < shifts.size(); ++k)
        EXPECT_LT(shifts[k].Score, 18);
}

TEST(ShiftSearch, FindsTheShiftOfAMovedReport)
{
    TestTerrains terrains;
    auto x = NewReport(3);
    auto y = NewReport(4);
    const char* terrainsOf[] = {"Ebene", "Berge", "Ozean", "Sumpf"};
    for (int cx = 0; cx < 6; ++cx) {
        for (int cy = 0; cy < 6; ++cy) {
            const char* terrain = terrainsOf[(cx * 7 + cy * 3) % 4];
            const std::string name = (cx + cy) % 2 == 0 ? "R" + std::to_string(cx * 10 + cy) : "";
            AddRegion(*x, cx, cy, 0, terrain, name);
            AddRegion(*y, cx + 17, cy - 5, 0, terrain, name);
        }
    }
    const auto shifts = Search(*x, *y);
    ASSERT_FALSE(shifts.empty());
    EXPECT_EQ(shifts.front().Offset, (Shift{17, -5}));
    EXPECT_EQ(shifts.front().Score, 36 + 18);
}

TEST(ShiftSearch, MismatchLimitsRejectAShift)
{
    TestTerrains terrains;
    auto x = NewReport(3);
    auto y = NewReport(4);
    for (int i = 0; i < 5; ++i) {
        AddRegion(*x, i, 0, 0, "Ebene", "X" + std::to_string(i));
        AddRegion(*y, i, 0, 0, "Ebene", "Y" + std::to_string(i));
    }
    AdaptationOptions options;
    // Five differing names reject (0, 0) though every terrain agrees.
    const auto rejected = Search(*x, *y, options);
    EXPECT_TRUE(std::none_of(rejected.begin(), rejected.end(),
                             [](const ScoredShift& s) { return s.Offset == Shift{0, 0}; }));
    options.NameMismatchLimit = 6;
    EXPECT_EQ(Search(*x, *y, options).front(), (ScoredShift{Shift{0, 0}, 0}));

    auto mountains = NewReport(4);
    for (int i = 0; i < 5; ++i)
        AddRegion(*mountains, i, 0, 0, i == 0 ? "Wald" : "Berge");
    options = AdaptationOptions{};
    options.TerrainMismatchLimit = 4;
    EXPECT_TRUE(Search(*x, *mountains, options).empty() || Search(*x, *mountains, options).front().Offset != (Shift{0, 0}));
    options.TerrainMismatchLimit = 5;
    const auto kept = Search(*x, *mountains, options);
    EXPECT_NE(std::find(kept.begin(), kept.end(), ScoredShift{Shift{0, 0}, 1 - 4}), kept.end());
}

TEST(ShiftSearch, FewNamelessOverlapsGiveASmallScore)
{
    TestTerrains terrains;
    auto x = NewReport(3);
    auto y = NewReport(4);
    AddRegion(*x, 0, 0, 0, "Ebene");
    AddRegion(*x, 1, 0, 0, "Wald");
    AddRegion(*y, 40, 40, 0, "Wald");
    AddRegion(*y, 41, 40, 0, "Ebene");
    const auto shifts = Search(*x, *y);
    ASSERT_FALSE(shifts.empty());
    EXPECT_EQ(shifts.front(), (ScoredShift{Shift{40, 40}, 2}));
}

TEST(ShiftSearch, EqualScoresKeepTheCandidateOrder)
{
    TestTerrains terrains;
    auto x = NewReport(3);
    auto y = NewReport(4);
    AddRegion(*x, 0, 0, 0, "Berge");
    AddRegion(*y, 5, 5, 0, "Berge");
    AddRegion(*y, -3, 2, 0, "Berge");
    EXPECT_EQ(Search(*x, *y),
              (std::vector<ScoredShift>{{Shift{5, 5}, 1}, {Shift{-3, 2}, 1}}));
}

TEST(ShiftSearch, IncompatibleTerrainsAndEmptyLayersGiveNoCandidate)
{
    TestTerrains terrains;
    auto x = NewReport(3);
    auto y = NewReport(4);
    AddRegion(*x, 0, 0, 0, "Ozean");
    AddRegion(*y, 0, 0, 0, "Berge");
    AddRegion(*y, 1, 0, 0, "Gletscher");
    EXPECT_TRUE(Search(*x, *y).empty());
    EXPECT_TRUE(Search(*x, *y, {}, 1).empty());
    // Compatibility goes one way: Sumpf takes Ebene, Ebene does not take Sumpf.
    auto swamp = NewReport(3);
    AddRegion(*swamp, 0, 0, 0, "Sumpf");
    auto plain = NewReport(3);
    AddRegion(*plain, 0, 0, 0, "Ebene");
    EXPECT_EQ(Search(*swamp, *plain).size(), 1u);
    EXPECT_TRUE(Search(*plain, *swamp).empty());
}

TEST(ShiftSearch, PairsTooFarApartFormNoCandidate)
{
    TestTerrains terrains;
    auto x = NewReport(3);
    auto y = NewReport(4);
    AddRegion(*x, 0, 0, 0, "Berge");
    AddRegion(*y, 40000, 0, 0, "Berge");
    AddRegion(*y, 32767, -32768, 0, "Berge");
    EXPECT_EQ(Search(*x, *y), (std::vector<ScoredShift>{{Shift{32767, -32768}, 1}}));
}
