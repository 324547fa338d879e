// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/time_stats_window.h"

#include <QChart>
#include <QChartView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QSplitter>
#include <QVBoxLayout>

#include "core/text_encoding.h"
#include "document/report_document.h"
#include "model/report.h"
#include "tools/ui/chart/series_chart.h"

namespace maprune {

namespace {

const QString kCaption = QStringLiteral("zeitlicher Verlauf");
const char* const kScaleCode = "scaleCode";

QString Text(const std::string& modelBytes)
{
    return QString::fromStdString(DisplayText(modelBytes));
}

} // namespace

TTimeStatsWindow::TTimeStatsWindow(TReportDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , FDocument(document)
{
    setObjectName(QStringLiteral("TimeStatsWindow"));
    setWindowTitle(kCaption);
    resize(760, 560);

    FChart = new QChart;
    FChart->setAnimationOptions(QChart::NoAnimation);
    FChartView = new QChartView(FChart);
    FChartView->setObjectName(QStringLiteral("Chart1"));
    FChartView->setRenderHint(QPainter::Antialiasing);
    FChartView->setMouseTracking(true);
    FChartView->viewport()->setMouseTracking(true);
    FChartView->viewport()->installEventFilter(this);

    FList = new QListWidget;
    FList->setObjectName(QStringLiteral("ListBox1"));
    FList->setContextMenuPolicy(Qt::CustomContextMenu);
    FList->installEventFilter(this);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(FChartView);
    splitter->addWidget(FList);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({ 440, 120 });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    FMenu = new QMenu(this);
    FMenu->setObjectName(QStringLiteral("PopupMenu1"));
    FMenu->addAction(QStringLiteral("Skalierung"))->setEnabled(false);
    FMenu->addSeparator();
    for (const ScaleEntry& entry : kScaleEntries) {
        QAction* action = FMenu->addAction(
            QString::fromUtf8(entry.Caption.data(), static_cast<qsizetype>(entry.Caption.size())));
        action->setProperty(kScaleCode,
            QString::fromLatin1(entry.Code.data(), static_cast<qsizetype>(entry.Code.size())));
    }
    FMenu->addAction(QStringLiteral("&automatisch"))->setProperty(kScaleCode, QString());
    FMenu->addSeparator();
    FMenu->addAction(QStringLiteral("Ab&brechen"));
    for (QAction* action : FMenu->actions())
        action->setCheckable(action->property(kScaleCode).isValid());
    connect(FMenu, &QMenu::triggered, this, [this](QAction* action) {
        const int row = FList->currentRow();
        const QVariant code = action->property(kScaleCode);
        if (!code.isValid() || row < 0 || row >= static_cast<int>(FSeries.size()))
            return;
        if (code.toString().toStdString() != FSeries[static_cast<size_t>(row)].Definition.ScaleCode)
            SetScale(row, code.toString());
    });
    connect(FList, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        ScaleMenu()->exec(FList->viewport()->mapToGlobal(position));
    });

    connect(
        &FDocument, &TReportDocument::modelObjectsAboutToBeFreed, this, &TTimeStatsWindow::Drop);
    connect(&FDocument, &TReportDocument::changed, this, [this](const DocumentChange& change) {
        if (isVisible() && (change.Structure() || change.Kind == DocumentChangeKind::Series))
            Refresh();
    });
    Draw();
}

QMenu* TTimeStatsWindow::ScaleMenu()
{
    const int row = FList->currentRow();
    const bool selected = row >= 0 && row < static_cast<int>(FSeries.size());
    const std::string code = selected ? FSeries[static_cast<size_t>(row)].Definition.ScaleCode : "";
    for (QAction* action : FMenu->actions()) {
        const QVariant entryCode = action->property(kScaleCode);
        if (!entryCode.isValid())
            continue;
        action->setEnabled(selected);
        // Unknown codes scale automatically, so "&automatisch" is checked for them.
        const std::string entry = entryCode.toString().toStdString();
        action->setChecked(selected && (entry == code || (entry.empty() && ScaleFactor(code) < 0)));
    }
    return FMenu;
}

void TTimeStatsWindow::AddSeries(const QString& expression, const QString& title)
{
    TReport* report = FDocument.Report();
    if (report == nullptr)
        return;
    FDocument.SetSeries(
        AppendSeries(report->Series, expression.toStdString(), title.toStdString()));
    ShowChart();
    FList->setCurrentRow(FList->count() - 1);
}

void TTimeStatsWindow::ShowChart()
{
    show();
    raise();
    activateWindow();
    Refresh();
}

void TTimeStatsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Refresh();
}

void TTimeStatsWindow::Refresh()
{
    Rebuild();
    Draw();
}

void TTimeStatsWindow::Drop()
{
    FSeries.clear();
    FList->clear();
    FDrawing = {};
    Draw();
}

void TTimeStatsWindow::Rebuild()
{
    const int row = FList->currentRow();
    FSeries = BuildSeriesList(FDocument.Report());
    FList->clear();
    for (const TSeries& series : FSeries)
        FList->addItem(Text(series.ListLine()));
    if (row >= 0 && row < FList->count())
        FList->setCurrentRow(row);
}

void TTimeStatsWindow::Draw()
{
    FDrawing = DrawChart(FSeries);
    FillSeriesChart(*FChart, FDrawing);
    setWindowTitle(kCaption);
}

void TTimeStatsWindow::WriteSeries()
{
    std::vector<SeriesDefinition> definitions;
    for (const TSeries& series : FSeries)
        definitions.push_back(series.Definition);
    FDocument.SetSeries(maprune::WriteSeries(definitions));
}

void TTimeStatsWindow::DeleteSelected()
{
    TReport* report = FDocument.Report();
    const int row = FList->currentRow();
    if (report == nullptr || row < 0 || row >= static_cast<int>(FSeries.size()))
        return;
    FSeries.erase(FSeries.begin() + row);
    WriteSeries();
    Refresh();
}

void TTimeStatsWindow::SetScale(int row, const QString& code)
{
    TReport* report = FDocument.Report();
    if (report == nullptr)
        return;
    FSeries[static_cast<size_t>(row)].Definition.ScaleCode = code.toStdString();
    WriteSeries();
    Refresh();
}

void TTimeStatsWindow::ShowReadout(const QPoint& position)
{
    const int row = FList->currentRow();
    for (const ChartLine& line : FDrawing.Lines) {
        if (static_cast<int>(line.Series) != row)
            continue;
        const QPointF inChart = FChart->mapFromScene(FChartView->mapToScene(position));
        const QPointF value = FChart->mapToValue(inChart, FChart->series().value(0));
        if (const auto readout = ReadChart(line, FDrawing.Ranges, value.x()))
            setWindowTitle(Text(ReadoutCaption(line.Title, *readout)));
        return;
    }
}

bool TTimeStatsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FList && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteSelected();
        return true;
    }
    if (watched == FChartView->viewport() && event->type() == QEvent::MouseMove)
        ShowReadout(static_cast<QMouseEvent*>(event)->position().toPoint());
    return QWidget::eventFilter(watched, event);
}

} // namespace maprune
