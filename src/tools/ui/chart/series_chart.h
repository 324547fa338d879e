// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class QChart;
class QImage;

namespace maprune {

struct ChartDrawing;

// The chart of a drawing as the time-course window shows it: one line per
// chart line titled with its series, the horizontal axis "Zeit" labelled
// with game dates, the vertical axis "Wert". Removes what `chart` showed
// before. Needs a QApplication.
void FillSeriesChart(QChart& chart, const ChartDrawing& drawing);

// The same chart drawn into a picture of `size`, as maprune-cli chart
// writes it.
QImage SeriesChartPicture(const ChartDrawing& drawing, QSize size);

} // namespace maprune
