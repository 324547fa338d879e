// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with its real map view: what a player sees after start-up
// and what the map and selection menus do to it.
#include <QtTest>

#include <algorithm>
#include <set>

#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>

#include "app/main_map_view.h"
#include "app/main_menu.h"
#include "app/map_commands.h"
#include "app/units_window.h"
#include "core/text_encoding.h"
#include "main_window_harness.h"
#include "map/hex_geometry.h"
#include "map/map_navigation.h"
#include "map/ui/legend_window.h"
#include "map/ui/overview_window.h"
#include "map/ui/render/map_pictures.h"
#include "model/region.h"
#include "model/report.h"

using namespace maprune;

namespace {

int CountSelected(const TReport& report, bool activeLayerOnly)
{
    int selected = 0;
    for (const TRegion* region : *report.Regions) {
        if (activeLayerOnly && region->CZ != report.ActiveLayer)
            continue;
        if ((region->Tag() & 1) != 0)
            ++selected;
    }
    return selected;
}

int CountOnLayer(const TReport& report, int32_t z)
{
    int count = 0;
    for (const TRegion* region : *report.Regions)
        count += region->CZ == z ? 1 : 0;
    return count;
}

// The number of different colours among every fourth pixel of `image`.
size_t ColourCount(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return colours.size();
}

} // namespace

class MainWindowMapTest : public QObject {
    Q_OBJECT

    TMapPictures FPictures { MapLayout::XAxisWestEast };

    // A started window with the real map view on the sample report.
    bool StartOnSample(MainWindowHarness& h)
    {
        h.pictures = &FPictures;
        return h.Start({ SampleFile("sample.cr") });
    }

    static TMainMapView& Map(MainWindowHarness& h)
    {
        return *h.window->findChild<TMainMapView*>(QStringLiteral("Image1"));
    }

private slots:
    void theMapOfTheCommandLineReportIsDrawn()
    {
        MainWindowHarness h;
        QVERIFY(StartOnSample(h));
        TMainWindow& w = *h.window;
        TMainMapView& map = Map(h);
        QCOMPARE(map.Report(), w.Document().Report());
        QCOMPARE(&w.MapView(), static_cast<MapViewSlot*>(&map));
        QVERIFY(map.ViewState().Extent.MapWidth > 0 && map.ViewState().Extent.MapHeight > 0);
        QVERIFY(ColourCount(map.Canvas()) > 4);
        QVERIFY(map.LastDrawnCount() > 0);
        // The geographic map has no caption.
        QCOMPARE(map.Caption(), QString());
        QVERIFY(w.Menu().Map.Geographic->isChecked());

        // The layer list switches the map to the other layer.
        auto* layers = w.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        layers->setCurrentIndex(1);
        emit layers->activated(1);
        QCOMPARE(map.ActiveLayer(), layers->itemData(1).toInt());
        QCOMPARE(w.Document().Report()->ActiveLayer, map.ActiveLayer());
        QVERIFY(map.LastDrawnCount() > 0);
    }

    void scrollPositionsAreKeptInTheDatabase()
    {
        MainWindowHarness h;
        QVERIFY(StartOnSample(h));
        TMainWindow& w = *h.window;
        w.resize(420, 340);
        QTest::qWait(20);
        TMainMapView& map = Map(h);
        QVERIFY(map.ViewState().Horizontal.Maximum > 30);
        QVERIFY(map.ViewState().Vertical.Maximum > 30);
        map.SetScrollPositions(QPoint(30, 20));

        h.files.saveAs.push_back(h.File("welt.kdf"));
        QVERIFY(w.Files().SaveFileAs());
        map.SetScrollPositions(QPoint(0, 0));
        QVERIFY(w.Files().OpenFile(h.File("welt.kdf")));
        QCOMPARE(Map(h).ScrollPositions(), QPoint(30, 20));
        QCOMPARE(Map(h).TileSize(), 64);

        // The zoom goes with them, by the menu entry of "&Karte".
        auto* commands = h.window->findChild<TMapCommands*>();
        commands->ZoomMapIn()->trigger();
        QCOMPARE(Map(h).TileSize(), 96);
        Map(h).SetScrollPositions(QPoint(70, 40));
        QVERIFY(w.Files().SaveFile());
        commands->ZoomMapOut()->trigger();
        QVERIFY(w.Files().OpenFile(h.File("welt.kdf")));
        QCOMPARE(Map(h).TileSize(), 96);
        QCOMPARE(Map(h).ScrollPositions(), QPoint(70, 40));
        QCOMPARE(
            commands->ZoomMapIn()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus));
    }

    void aReportWithoutScrollPositionsOpensOnTheOwnUnits()
    {
        MainWindowHarness h;
        QVERIFY(StartOnSample(h));
        TMainWindow& w = *h.window;
        w.resize(1000, 700);
        QTest::qWait(20);
        QVERIFY(w.Files().OpenFile(SampleFile("sample.cr")));
        TMainMapView& map = Map(h);
        const TReport& report = *w.Document().Report();
        const TRegion* own = OwnUnitsRegion(report, map.ViewState().Layout);
        QVERIFY(own != nullptr);
        const MapPoint corner = RegionToScreen(map.ViewState(), *own);
        const MapViewState& view = map.ViewState();
        // In the middle, as far as the scroll ranges let it.
        const bool clampedX
            = view.Horizontal.Position == 0 || view.Horizontal.Position == view.Horizontal.Maximum;
        const bool clampedY
            = view.Vertical.Position == 0 || view.Vertical.Position == view.Vertical.Maximum;
        QVERIFY(clampedX || corner.X == view.ViewWidth / 2 - 32);
        QVERIFY(clampedY || corner.Y == view.ViewHeight / 2 - 24);
        QVERIFY(view.ViewWidth > 200 && view.ViewHeight > 200);
        QVERIFY(corner.X >= 0 && corner.X + 64 <= view.ViewWidth);
        QVERIFY(corner.Y >= 0 && corner.Y + 64 <= view.ViewHeight);
    }

    void theMapMenuSwitchesColouringsAndChecksItsEntries()
    {
        MainWindowHarness h;
        QVERIFY(StartOnSample(h));
        TMainWindow& w = *h.window;
        TMainMapView& map = Map(h);
        const MapModeEntries& entries = w.Menu().Map;
        auto* label = map.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label != nullptr);

        entries.Statistics[static_cast<size_t>(StatisticKind::Peasants)]->trigger();
        QCOMPARE(map.Mode(), MapMode::Statistic);
        QVERIFY(label->text().startsWith(QStringLiteral("statistische Karte (Bauern) im ")));
        QVERIFY(entries.Statistic->menuAction()->isChecked());
        QVERIFY(!entries.Geographic->isChecked());
        QVERIFY(!h.window->Menu().InfoWindows.Legend->isChecked());

        entries.ArmedPersons->trigger();
        QCOMPARE(map.Mode(), MapMode::Political);
        QVERIFY(label->text().startsWith(
            QStringLiteral("politische Karte (bewaffnete Personen, nach Parteien) im ")));
        entries.ByAlliances->trigger();
        QVERIFY(map.Colouring().ByAlliance());
        QCOMPARE(map.Colouring().Persons(), PersonsMode::Armed);
        QVERIFY(entries.ByAlliances->isChecked() && entries.ArmedPersons->isChecked());
        QVERIFY(entries.Political->menuAction()->isChecked());
        QVERIFY(!entries.Statistic->menuAction()->isChecked());

        entries.Geographic->trigger();
        QCOMPARE(map.Mode(), MapMode::Geographic);
        QCOMPARE(label->text(), QString());
    }

    void theSelectionMenuWorksOnTheActiveLayerOrWithShiftOnAll()
    {
        MainWindowHarness h;
        QVERIFY(StartOnSample(h));
        TMainWindow& w = *h.window;
        TReport& report = *w.Document().Report();
        QSignalSpy changes(&w.Document(), &TReportDocument::changed);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QVERIFY(!w.Document().Modified());
        w.Menu().Select.All->trigger();
        QCOMPARE(CountSelected(report, true), CountOnLayer(report, report.ActiveLayer));
        QCOMPARE(CountSelected(report, false), CountOnLayer(report, report.ActiveLayer));
        QVERIFY(w.Document().Modified());
        QCOMPARE(changes.count(), 1);

        // Shift+F8 selects on every layer, F6 clears the active layer only.
        QTest::keyClick(&w, Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(CountSelected(report, false), static_cast<int>(report.Regions->Count()));
        QTest::keyClick(&w, Qt::Key_F6);
        QCOMPARE(CountSelected(report, true), 0);
        QVERIFY(CountSelected(report, false) > 0);
        QTest::keyClick(&w, Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(CountSelected(report, false), 0);
        QCOMPARE(changes.count(), 4);

        // A clear that changes nothing does not announce a change.
        QTest::keyClick(&w, Qt::Key_F6);
        QCOMPARE(changes.count(), 4);
    }

    void theHintOfTheRegionUnderTheMouseIsInTheStatusBar()
    {
        MainWindowHarness h;
        QVERIFY(StartOnSample(h));
        TMainMapView& map = Map(h);
        auto* hint = h.window->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
        TRegion& region
            = **std::find_if(map.Report()->Regions->begin(), map.Report()->Regions->end(),
                [&](const TRegion* r) { return r->CZ == map.ActiveLayer() && !r->Name.empty(); });
        map.CentreOn(region);
        const MapPoint corner = RegionToScreen(map.ViewState(), region);
        const QPoint middle(static_cast<int>(corner.X) + 32, static_cast<int>(corner.Y) + 32);
        QMouseEvent move(QEvent::MouseMove, middle, map.viewport()->mapToGlobal(middle),
            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(map.viewport(), &move);
        QCOMPARE(hint->text(),
            QStringLiteral("%1 von %2 (%3,%4)")
                .arg(QString::fromStdString(DisplayText(region.Terrain)),
                    QString::fromStdString(DisplayText(region.Name)))
                .arg(region.CX)
                .arg(region.CY));
        QCOMPARE(h.window->Document().CurrentRegion(), &region);
    }

    void theOverviewAndLegendFollowTheirCheckItems()
    {
        MainWindowHarness h;
        QVERIFY(StartOnSample(h));
        const InfoWindowEntries& windows = h.window->Menu().InfoWindows;
        auto* commands = h.window->findChild<TMapCommands*>();
        // The overview is docked, left by default, and so never covers the
        // menus; its dock has a name the window layout can keep.
        windows.Overview->trigger();
        QVERIFY(commands->Overview().isVisible());
        QVERIFY(!commands->Overview().Picture().isNull());
        auto* overviewDock = h.window->findChild<QDockWidget*>(QStringLiteral("Form5Dock"));
        QVERIFY(overviewDock != nullptr);
        QCOMPARE(overviewDock->windowTitle(), QStringLiteral("Übersichtskarte"));
        QCOMPARE(h.window->dockWidgetArea(overviewDock), Qt::LeftDockWidgetArea);
        overviewDock->close();
        QVERIFY(!windows.Overview->isChecked());

        // The legend lives in the right dock area; closing its dock unchecks.
        windows.Legend->trigger();
        QVERIFY(commands->Legend().isVisible());
        auto* dock = h.window->findChild<QDockWidget*>(QStringLiteral("ColorMapWindowDock"));
        QVERIFY(dock != nullptr);
        QCOMPARE(h.window->dockWidgetArea(dock), Qt::RightDockWidgetArea);
        dock->close();
        QVERIFY(!windows.Legend->isChecked());
        QVERIFY(!commands->Legend().isVisible());
        windows.Legend->trigger();
        QVERIFY(dock->isVisible());
        windows.Legend->trigger();
        QVERIFY(!dock->isVisible());
    }

    void theUnitsWindowFollowsTheSelectionWhileItsEntryIsEnabled()
    {
        MainWindowHarness h;
        h.settings->NoUnitWindow.Set(false);
        QVERIFY(StartOnSample(h));
        TMainWindow& w = *h.window;
        QAction* entry = w.Menu().InfoWindows.Units;
        QVERIFY(entry->isEnabled());
        QListWidget& list = *w.UnitsWindow().List();
        QCOMPARE(list.count(), 0);

        w.Menu().Select.All->trigger();
        const int listed = list.count();
        QVERIFY(listed > 0);
        w.Menu().Select.Clear->trigger();
        QCOMPARE(list.count(), 0);

        // With NoUnitWindow the entry is disabled at the next showing and
        // the list stays empty whatever is selected.
        h.settings->NoUnitWindow.Set(true);
        w.hide();
        w.show();
        QVERIFY(!entry->isEnabled());
        w.Menu().Select.All->trigger();
        QCOMPARE(list.count(), 0);
    }
};

QTEST_MAIN(MainWindowMapTest)
#include "main_window_map_test.moc"
