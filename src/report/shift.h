// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

namespace maprune {

class TReport;

// A shift of a layer's coordinates: dx and dy of 16 bits each.
struct Shift {
    int16_t Dx = 0;
    int16_t Dy = 0;
    bool operator==(const Shift&) const = default;
};

// A shift found by the origin search with its score (matching minus
// mismatching overlaps of terrain and names).
struct ScoredShift {
    Shift Offset;
    int32_t Score = 0;
    bool operator==(const ScoredShift&) const = default;
};

// Shifts are kept as one 32-bit value: dx in the upper half, dy in the lower
// half, each sign-extended when unpacked.
uint32_t PackShift(Shift shift);
Shift UnpackShift(uint32_t packed);

// The shift (dx, dy) when both fit into 16 bits; none for a difference of
// more than 32767 fields (or below -32768) on an axis, which no packed shift
// can hold.
std::optional<Shift> MakeShift(int64_t dx, int64_t dy);

// Adds dx to CX and dy to CY of every region of `report` whose CZ is
// `layer`, wrapping at the 32-bit limits, and drops the region index.
void MoveLayer(TReport& report, int32_t layer, int64_t dx, int64_t dy);

// Adds the shift to CX and CY of every region of `report` whose CZ is
// `layer`, and drops the report's region index. Coordinates wrap at the
// 32-bit limits instead of overflowing.
void ShiftLayer(TReport& report, int32_t layer, Shift shift);

// "Ursprung setzen": subtracts x from CX and y from CY of every region of the
// report's active layer, so that (x, y) becomes (0, 0); (0, 0) changes
// nothing. Drops the region index when something moved.
void SetOrigin(TReport& report, int32_t x, int32_t y);

// The coordinates the origin window starts with: CX and CY of the one
// selected region (Tag bit 0) of the report; none unless exactly one region
// is selected.
std::optional<std::pair<int32_t, int32_t>> OriginPreset(const TReport& report);

} // namespace maprune
