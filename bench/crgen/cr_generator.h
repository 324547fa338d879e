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
};

// Game turn of the world's first generated turn.
constexpr int kFirstGameTurn = 200;

// A complete computer report of the world described by `options`, in the
// format that the CR reader reads without a warning. Equal options give
// equal bytes. Throws std::invalid_argument for options out of range.
std::string GenerateReport(const GeneratorOptions& options);

} // namespace maprune::crgen
