// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/series/series_list.h"

namespace maprune {

struct ChartPoint {
    double X = 0; // turn
    double Y = 0; // scaled value
    bool operator==(const ChartPoint&) const = default;
};

// The ranges shared by all lines of one drawing: turns and scaled values.
struct ChartRanges {
    double MinX = 0;
    double MaxX = 0;
    double MinY = 0;
    double MaxY = 0;
};

struct ChartLine {
    size_t Series = 0; // index in the series list
    std::string Title;
    std::vector<ChartPoint> Points; // by increasing turn
    double Factor = 0; // the factor used, also for automatic scaling
};

// What the chart shows: no lines when no series has a turn above 1.
struct ChartDrawing {
    ChartRanges Ranges;
    std::vector<ChartLine> Lines; // one per series with data, in list order
    bool Empty() const { return Lines.empty(); }
};

// The ranges and lines of `series`:
// - the turns above 1 of all histories span MinX..MaxX; the values of the
//   fixed-scale series times their factors span MinY..MaxY (0..100 when
//   there is none);
// - a line leaves out the entries of turn 1 and below at its old end; with
//   fewer than two entries left it is the newest value across the whole
//   range; otherwise it starts at 0 before its oldest turn, has one point
//   per older entry, and the newest value at MaxX;
// - an automatic series is scaled so that its largest value reaches MaxY.
// A series with an empty history draws nothing.
ChartDrawing DrawChart(const std::vector<TSeries>& series);

// The mouse readout over `line`: the turn under the mouse (x rounded and
// kept within the range), and the value of the line's point at that turn,
// or interpolated linearly between its neighbours, divided by the line's
// factor when that is above 0, rounded.
struct ChartReadout {
    int32_t Turn = 0;
    int64_t Value = 0;
    bool Interpolated = false;
};
std::optional<ChartReadout> ReadChart(const ChartLine& line, const ChartRanges& ranges, double x);

// "%s (%s): %d" with the title, the game date ("<month> <year>") and the
// value; "%s (%s): %d*" for an interpolated one.
std::string ReadoutCaption(const std::string& title, const ChartReadout& readout);

} // namespace maprune
