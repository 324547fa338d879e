// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QChartView>
#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include "app/info/region_window.h"
#include "main_window_harness.h"
#include "model/report.h"
#include "tools/ui/calculator_form.h"
#include "tools/ui/time_stats_window.h"

using namespace maprune;

namespace {

QAction* EntryNamed(QMenu& menu, const QString& caption)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

} // namespace

class CalculatorChartWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void calculatorIsDockedAndColoursItsAnswers()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        auto* calculator = h.window->findChild<TCalculatorForm*>();
        QVERIFY(calculator != nullptr);
        QVERIFY(h.window->Menu().Tool("calculator")->isChecked());
        auto* dock = qobject_cast<QDockWidget*>(calculator->parentWidget());
        QVERIFY(dock != nullptr && dock->isVisible());
        QCOMPARE(h.window->dockWidgetArea(dock), Qt::BottomDockWidgetArea);

        const struct {
            const char* Input;
            QString Shown;
            QColor Colour;
        } cases[] = {
            { "1+2*3", QStringLiteral("7"), QColor(0, 0, 128) },
            { "region[3,3].name", QStringLiteral("Westtal"), QColor(0, 0, 128) },
            { "1 2", QStringLiteral("Fehler beim Parsen: (3) Operator erwartet"), QColor(Qt::red) },
            { "wert", QStringLiteral("Fehler beim Auswerten: Variable/Konstante nicht definiert"),
                QColor(Qt::red) },
        };
        for (const auto& one : cases) {
            calculator->Input()->setText(QString::fromUtf8(one.Input));
            QCOMPARE(calculator->Result()->text(), one.Shown);
            QCOMPARE(calculator->Result()->palette().color(QPalette::Text), one.Colour);
        }
        h.window->Menu().Tool("calculator")->setChecked(false);
        QVERIFY(!dock->isVisible());
    }

    void regionWindowSeriesAreChartedOverTheMergedTurns()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.files.toAdd = { { SampleFile("sample-turn2.cr"), SampleFile("sample-turn3.cr") } };
        h.window->Menu().Add->trigger();
        QVERIFY(QTest::qWaitFor([&] { return !h.window->Busy(); }));
        TReport& report = *h.window->Document().Report();

        emit h.window->RegionWindow().seriesRequested(
            QStringLiteral("region[3,3].bauern"), QStringLiteral("Bauern: Westtal"));
        auto* chart = h.window->findChild<TTimeStatsWindow*>();
        QVERIFY(chart != nullptr && chart->isVisible());
        QCOMPARE(chart->windowTitle(), QStringLiteral("zeitlicher Verlauf"));
        QCOMPARE(report.Series,
            std::string("region[3,3].bauern\x01"
                        "Bauern: Westtal\x01"));
        QVERIFY(h.window->Document().Modified());
        QCOMPARE(chart->List()->count(), 1);
        QCOMPARE(
            chart->List()->item(0)->text(), QStringLiteral("Bauern: Westtal (region[3,3].bauern)"));
        QCOMPARE(chart->Drawing().Lines.size(), size_t { 1 });
        QCOMPARE(chart->Drawing().Lines[0].Points.size(), size_t { 3 });
        QCOMPARE(chart->Drawing().Ranges.MinX, 200.0);
        QCOMPARE(chart->Drawing().Ranges.MaxX, 202.0);
        QCOMPARE(chart->ChartView()->chart()->series().size(), 1);

        // The popup sets a fixed scale; "&automatisch" was checked before.
        QMenu* menu = chart->ScaleMenu();
        QVERIFY(EntryNamed(*menu, QStringLiteral("&automatisch"))->isChecked());
        EntryNamed(*menu, QStringLiteral("0.01"))->trigger();
        QCOMPARE(report.Series,
            std::string("region[3,3].bauern\x01"
                        "Bauern: Westtal\x01"
                        "3"));
        QVERIFY(chart->ScaleMenu() && EntryNamed(*menu, QStringLiteral("0.01"))->isChecked());

        // The caption reads the value under the mouse: in the middle of
        // the plot lies turn 201.
        chart->List()->setCurrentRow(0);
        QChart* qchart = chart->ChartView()->chart();
        const QPointF middle
            = chart->ChartView()->mapFromScene(qchart->mapToScene(qchart->plotArea().center()));
        QMouseEvent move(QEvent::MouseMove, middle,
            chart->ChartView()->viewport()->mapToGlobal(middle), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(chart->ChartView()->viewport(), &move);
        QCOMPARE(chart->windowTitle(), QStringLiteral("Bauern: Westtal (September 17): 1928"));

        // Delete removes the only series.
        chart->List()->setCurrentRow(0);
        QTest::keyClick(chart->List(), Qt::Key_Delete);
        QCOMPARE(report.Series, std::string());
        QCOMPARE(chart->List()->count(), 0);
        QVERIFY(!EntryNamed(*chart->ScaleMenu(), QStringLiteral("0.01"))->isEnabled());

        // Series hold no history past the report they came from.
        emit h.window->RegionWindow().seriesRequested(
            QStringLiteral("region[3,3].bauern"), QStringLiteral("Bauern"));
        QVERIFY(chart->Series()[0].Data != nullptr);
        h.window->Document().Replace(nullptr, QString());
        QVERIFY(chart->Series().empty());
        QVERIFY(chart->Drawing().Empty());
    }
};

QTEST_MAIN(CalculatorChartWindowsTest)
#include "calculator_chart_windows_test.moc"
