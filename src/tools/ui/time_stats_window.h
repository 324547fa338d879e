// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QWidget>

#include "tools/series/chart_lines.h"

class QChart;
class QChartView;
class QListWidget;
class QMenu;

namespace maprune {

class TReport;
class TReportDocument;

// "zeitlicher Verlauf": the series of the report's `Series` drawn over the
// turns (Chart1), their list (ListBox1) with Delete and the scale popup
// (PopupMenu1), and the value under the mouse in the caption. The series
// hold histories of the report only between two changes of it: they are
// dropped before its objects are freed and rebuilt after it changed.
class TTimeStatsWindow : public QWidget {
    Q_OBJECT
public:
    explicit TTimeStatsWindow(TReportDocument& document, QWidget* parent = nullptr);

    // Appends a series to the report's `Series`, redraws and shows the window.
    void AddSeries(const QString& expression, const QString& title);
    // Shows the window, rebuilt and drawn.
    void ShowChart();

    const std::vector<TSeries>& Series() const { return FSeries; }
    const ChartDrawing& Drawing() const { return FDrawing; }
    QListWidget* List() const { return FList; }
    QChartView* ChartView() const { return FChartView; }
    // The popup of the list as it opens for the current line (tests look at it).
    QMenu* ScaleMenu();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild();
    void Draw();
    void Refresh();
    void Drop();
    void DeleteSelected();
    void SetScale(int row, const QString& code);
    void ShowReadout(const QPoint& position);
    void WriteSeries();

    TReportDocument& FDocument;
    QChart* FChart = nullptr;
    QChartView* FChartView = nullptr; // Chart1
    QListWidget* FList = nullptr; // ListBox1
    QMenu* FMenu = nullptr; // PopupMenu1
    std::vector<TSeries> FSeries;
    ChartDrawing FDrawing;
};

} // namespace maprune
