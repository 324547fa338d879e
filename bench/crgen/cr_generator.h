// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace maprune::crgen {

// What to generate. The world itself depends only on Seed, Regions,
// UnitsPerRegion and Parties; Turn, ViewParty and the shift choose which
// report of that world is written.
struct GeneratorOptions {
    uint64_t Seed = 1;
    int Regions = 300;       // about a tenth of them on a second layer
    int UnitsPerRegion = 3;  // on average over all regions
    int Parties = 4;         // at least 3: the player, an ally and others
    int Turn = 1;            // successive turn of the world, 1 the first
    int ViewParty = 0;       // 0 the player's report, 1 the ally's
    int ShiftX = 0;          // added to every x coordinate (another origin)
    int ShiftY = 0;
    bool Utf8 = false;       // texts in UTF-8 instead of Windows-1252
    int Format = 36;         // CR format version: 36, or 69 for today's reports
};

// The format versions the generator writes.
constexpr int kOlderFormat = 36;
constexpr int kTodayFormat = 69;

// Game turn of the world's first generated turn.
constexpr int kFirstGameTurn = 200;

// A complete computer report of the world described by `options`, all its
// texts in one encoding. Format 36 reads without a warning; format 69 has
// what today's servers and tools write (escapes, MESSAGE, RESOURCE, GRENZE,
// BATTLE blocks and more) and exactly the unknown blocks named by
// kUnknownTodayBlocks, each once. Equal options give equal bytes. Throws
// std::invalid_argument for options out of range.
std::string GenerateReport(const GeneratorOptions& options);

// The blocks of a format 69 report that no reader knows, at the top, party,
// region and unit level.
constexpr const char* kUnknownTodayBlocks[] = { "WELTCHRONIK", "VORLIEBEN", "WETTER", "TAGEBUCH" };

} // namespace maprune::crgen
