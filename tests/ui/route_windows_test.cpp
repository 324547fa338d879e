// SPDX-License-Identifier: GPL-3.0-or-later
// The route window and the trade-route window in the main window on the
// sample report.
#include <QtTest>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "app/main_map_view.h"
#include "main_window_harness.h"
#include "map/ui/render/map_pictures.h"
#include "model/report.h"
#include "tools/route/route_graph.h"
#include "tools/route/route_search.h"
#include "tools/ui/route_window.h"
#include "tools/ui/trading_window.h"

using namespace maprune;

namespace {

// Land regions of the active layer that a walker reaches from the first one.
std::vector<TRegion*> ReachableLand(TReport& report, size_t count)
{
    const RouteGraph graph(report);
    int32_t start = RouteGraph::kNone;
    for (int32_t i = 0; i < graph.Count() && start == RouteGraph::kNone; ++i) {
        if (graph.Region(i)->CZ == report.ActiveLayer && !graph.Ocean(i))
            start = i;
    }
    RouteSearch search(graph);
    search.Run(start, { 1, 2, false }, RouteGraph::kNone);
    std::vector<TRegion*> regions;
    for (int32_t i = 0; i < graph.Count() && regions.size() < count; ++i) {
        if (search.Distance(i) < kUnreachableCost && (i == start || search.Distance(i) > 2000))
            regions.push_back(graph.Region(i));
    }
    return regions;
}

int MarkedRegions(const TReport& report)
{
    int marked = 0;
    for (const TRegion* region : *report.Regions) {
        for (uint8_t mark : region->RouteMarks)
            marked += mark != 0 ? 1 : 0;
    }
    return marked;
}

} // namespace

class RouteWindowsTest : public QObject {
    Q_OBJECT

    TMapPictures FPictures { MapLayout::XAxisWestEast };

    bool Start(MainWindowHarness& h)
    {
        h.pictures = &FPictures;
        return h.Start({ SampleFile("sample.cr") });
    }

private slots:
    void wayPointsAreMarkedOnTheMapOptimisedAndCopied()
    {
        MainWindowHarness h;
        QVERIFY(Start(h));
        TMainWindow& w = *h.window;
        auto& map = *w.findChild<TMainMapView*>(QStringLiteral("Image1"));
        auto* route = w.findChild<TRouteWindow*>();
        QVERIFY(route != nullptr);
        w.Menu().Tool("route")->setChecked(true);
        QVERIFY(route->isVisible());
        QVERIFY(!w.Menu().Program->menuAction()->isVisible());
        QVERIFY(!w.Menu().Extras->menuAction()->isVisible());

        auto* add = route->findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
        auto* edit = route->findChild<QToolButton*>(QStringLiteral("SpeedButton2"));
        add->setChecked(true);
        QCOMPARE(map.viewport()->cursor().shape(), Qt::PointingHandCursor);
        edit->setChecked(true);
        QVERIFY(!add->isChecked());
        add->setChecked(true);

        TReport& report = *w.Document().Report();
        const std::vector<TRegion*> points = ReachableLand(report, 4);
        QCOMPARE(points.size(), size_t { 4 });
        for (TRegion* region : points)
            emit map.selectionRequested(region, true, -1);
        // Only the latest marked region stays marked.
        QCOMPARE(points[0]->Tag() & TagSelected, 0);
        QCOMPARE(points[3]->Tag() & TagSelected, int32_t { TagSelected });
        auto* list = route->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        QCOMPARE(list->count(), 4);
        auto* optimise = route->findChild<QPushButton*>(QStringLiteral("Button2"));
        QVERIFY(!optimise->isEnabled());
        list->item(1)->setSelected(true);
        list->item(2)->setSelected(true);
        QVERIFY(optimise->isEnabled());
        QVERIFY(MarkedRegions(report) > 0);
        QCOMPARE(route->DisplayProblem(), QString());
        optimise->click();
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->selectedItems().size(), 0);
        QCOMPARE(MarkedRegions(report), 0);

        route->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QCOMPARE(QGuiApplication::clipboard()->text().count(QStringLiteral(" P ")), 2);

        // The space key in a list toggles "&hinzufügen".
        QTest::keyClick(list, Qt::Key_Space);
        QVERIFY(!add->isChecked());
        QCOMPARE(map.viewport()->cursor().shape(), Qt::ArrowCursor);

        // Another report empties the lists.
        list->selectAll();
        h.messages.answers.push_back(ButtonNo); // the marks changed the report: not saved
        QVERIFY(w.Files().OpenFile(SampleFile("sample-turn2.cr")));
        QCOMPARE(list->count(), 0);

        route->close();
        QVERIFY(!w.Menu().Tool("route")->isChecked());
        QVERIFY(w.Menu().Program->menuAction()->isVisible());
        QVERIFY(w.Menu().Extras->menuAction()->isVisible());
    }

    void tradeRoutesOfTheSampleAndRefusedInputs()
    {
        MainWindowHarness h;
        const QString markets = h.File(QStringLiteral("markets.cr"));
        QVERIFY(QFile::copy(QStringLiteral(TEST_DATA_DIR "/trade/markets.cr"), markets));
        h.pictures = &FPictures;
        QVERIFY(h.Start({ markets }));
        TMainWindow& w = *h.window;
        w.Menu().Tool("trading")->trigger();
        auto* trading = w.findChild<TTradingWindow*>();
        QVERIFY(trading->isVisible());
        auto* results = trading->findChild<QListWidget*>(QStringLiteral("XListBox1"));
        auto* compute = trading->findChild<QPushButton*>(QStringLiteral("Button1"));
        trading->findChild<QLineEdit*>(QStringLiteral("Edit7"))->setText(QStringLiteral("0"));
        trading->findChild<QRadioButton*>()->setChecked(true);
        compute->click();
        QVERIFY(results->count() > 0);
        QVERIFY(results->item(0)->text().contains(QStringLiteral("; Rentabilittät: ")));
        QVERIFY(h.TakeMessages().empty());

        auto* talent = trading->findChild<QLineEdit*>(QStringLiteral("Edit3"));
        talent->setText(QStringLiteral("0"));
        compute->click();
        QCOMPARE(results->count(), 0);
        QCOMPARE(h.TakeMessages(),
            std::vector<std::string> { "Das Handeln-Talent des Käufers muss größer als 0 sein." });
        talent->setText(QStringLiteral("eins"));
        compute->click();
        QCOMPARE(h.TakeMessages(),
            std::vector<std::string> { "'eins' ist kein gültiger Gleitkommawert" });
    }
};

QTEST_MAIN(RouteWindowsTest)
#include "route_windows_test.moc"
