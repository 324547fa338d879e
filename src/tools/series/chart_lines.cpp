// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/series/chart_lines.h"

#include <algorithm>
#include <cmath>

#include "model/game_date.h"
#include "model/history_integer.h"

namespace maprune {

namespace {

constexpr double kUnset = 1e10;

ChartLine LineOf(const TSeries& series, const ChartRanges& ranges)
{
    const HistoryEntries& entries = series.Data->History();
    ChartLine line;
    line.Title = series.Definition.Title;
    double factor = series.Factor;
    size_t n = entries.size();
    while (n > 0 && entries[n - 1].Date <= 1)
        --n;
    const double newest = entries[0].Value;
    if (factor < 0) {
        // Automatic: the largest value reaches the top, also when it is the
        // only one (a factor of 0 would draw it as a zero).
        int32_t largest = entries[0].Value;
        for (size_t i = 1; i < n; ++i)
            largest = std::max(largest, entries[i].Value);
        factor = largest == 0 ? 0 : ranges.MaxY / largest;
    }
    if (n < 2) {
        line.Points = { { ranges.MinX, newest * factor }, { ranges.MaxX, newest * factor } };
        line.Factor = factor;
        return line;
    }
    const double oldest = entries[n - 1].Date;
    if (oldest > ranges.MinX)
        line.Points.push_back({ ranges.MinX, 0 });
    if (ranges.MinX + 1 < oldest)
        line.Points.push_back({ oldest - 1, 0 });
    for (size_t i = n - 1; i >= 1; --i)
        line.Points.push_back({ static_cast<double>(entries[i].Date), entries[i].Value * factor });
    line.Points.push_back({ ranges.MaxX, newest * factor });
    line.Factor = factor;
    return line;
}

} // namespace

ChartDrawing DrawChart(const std::vector<TSeries>& series)
{
    ChartDrawing drawing;
    ChartRanges& ranges = drawing.Ranges;
    ranges = { kUnset, -kUnset, kUnset, -kUnset };
    for (const TSeries& one : series) {
        if (one.Data == nullptr)
            continue;
        for (const THistoryInteger::Entry& entry : one.Data->History()) {
            if (entry.Date > 1) {
                ranges.MinX = std::min<double>(ranges.MinX, entry.Date);
                ranges.MaxX = std::max<double>(ranges.MaxX, entry.Date);
            }
            if (one.Factor >= 0) {
                ranges.MinY = std::min(ranges.MinY, entry.Value * one.Factor);
                ranges.MaxY = std::max(ranges.MaxY, entry.Value * one.Factor);
            }
        }
    }
    if (ranges.MinX > ranges.MaxX)
        return drawing;
    if (ranges.MinY > ranges.MaxY) {
        ranges.MinY = 0;
        ranges.MaxY = 100;
    }
    for (size_t i = 0; i < series.size(); ++i) {
        if (series[i].Data == nullptr || series[i].Data->History().empty())
            continue;
        drawing.Lines.push_back(LineOf(series[i], ranges));
        drawing.Lines.back().Series = i;
    }
    return drawing;
}

std::optional<ChartReadout> ReadChart(const ChartLine& line, const ChartRanges& ranges, double x)
{
    if (line.Points.empty() || !std::isfinite(x))
        return std::nullopt;
    const double turn = std::clamp(std::round(x), ranges.MinX, ranges.MaxX);
    const ChartPoint* before = nullptr;
    const ChartPoint* after = nullptr;
    ChartReadout readout;
    readout.Turn = static_cast<int32_t>(turn);
    double value = 0;
    const auto exact = std::find_if(line.Points.begin(), line.Points.end(),
        [turn](const ChartPoint& point) { return point.X == turn; });
    if (exact != line.Points.end()) {
        value = exact->Y;
    } else {
        for (const ChartPoint& point : line.Points) {
            if (point.X < turn)
                before = &point;
            else if (after == nullptr)
                after = &point;
        }
        if (before != nullptr && after != nullptr)
            value = before->Y + (after->Y - before->Y) * (turn - before->X) / (after->X - before->X);
        else
            value = (before != nullptr ? before : after)->Y;
        readout.Interpolated = true;
    }
    if (line.Factor > 0)
        value /= line.Factor;
    readout.Value = std::llround(value);
    return readout;
}

std::string ReadoutCaption(const std::string& title, const ChartReadout& readout)
{
    return title + " (" + MonthName(readout.Turn) + " " + std::to_string(GameYear(readout.Turn))
        + "): " + std::to_string(readout.Value) + (readout.Interpolated ? "*" : "");
}

} // namespace maprune
