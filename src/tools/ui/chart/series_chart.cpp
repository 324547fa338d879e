// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/chart/series_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsLayout>
#include <QCoreApplication>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "core/text_encoding.h"
#include "model/game_date.h"
#include "tools/series/chart_lines.h"

namespace maprune {

namespace {

// Few enough labels that the dates do not overlap in a window of usual width.
constexpr int kMaxDateLabels = 8;

QString DateLabel(int32_t turn)
{
    return QString::fromStdString(MonthName(turn)) + QLatin1Char(' ')
        + QString::number(GameYear(turn));
}

QCategoryAxis* NewTimeAxis(const ChartRanges& ranges, bool empty)
{
    auto* axis = new QCategoryAxis;
    axis->setTitleText(QStringLiteral("Zeit"));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int first = empty ? 1 : static_cast<int>(ranges.MinX);
    const int last = empty ? 2 : std::max(static_cast<int>(ranges.MaxX), first + 1);
    const int step = std::max(1, (last - first + kMaxDateLabels) / kMaxDateLabels);
    for (int turn = first; turn <= last; turn += step)
        axis->append(DateLabel(turn), turn);
    axis->setRange(first, last);
    return axis;
}

QValueAxis* NewValueAxis(const ChartRanges& ranges, bool empty)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(QStringLiteral("Wert"));
    double low = empty ? 0 : std::min(0.0, ranges.MinY);
    double high = empty ? 100 : ranges.MaxY;
    if (!(high > low))
        high = low + 1;
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.10g"));
    return axis;
}

} // namespace

void FillSeriesChart(QChart& chart, const ChartDrawing& drawing)
{
    chart.removeAllSeries();
    // The chart gives up its axes on removal: they are ours to delete.
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    QCategoryAxis* time = NewTimeAxis(drawing.Ranges, drawing.Empty());
    QValueAxis* value = NewValueAxis(drawing.Ranges, drawing.Empty());
    chart.addAxis(time, Qt::AlignBottom);
    chart.addAxis(value, Qt::AlignLeft);
    for (const ChartLine& line : drawing.Lines) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(DisplayText(line.Title)));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.Points.size()));
        for (const ChartPoint& point : line.Points)
            points.append(QPointF(point.X, point.Y));
        series->replace(points);
        chart.addSeries(series);
        series->attachAxis(time);
        series->attachAxis(value);
    }
    // The chart fills its view; room on the right for the last date label.
    chart.setBackgroundRoundness(0);
    chart.layout()->setContentsMargins(0, 0, 0, 0);
    chart.setMargins(QMargins(8, 8, 48, 8));
    chart.legend()->setAlignment(Qt::AlignBottom);
    chart.legend()->setVisible(!drawing.Empty());
}

QImage SeriesChartPicture(const ChartDrawing& drawing, QSize size)
{
    // The chart in a scene of its own, laid out as a view of that size lays
    // it out, without a window on any screen.
    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart); // owns the chart
    chart->setAnimationOptions(QChart::NoAnimation);
    FillSeriesChart(*chart, drawing);
    chart->resize(size);
    QCoreApplication::processEvents();
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(size));
    scene.render(&painter, area, area);
    return picture;
}

} // namespace maprune
