// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QSignalSpy>

#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "map/overview.h"
#include "map/test_world.h"
#include "map/ui/map_view_widget.h"
#include "map/ui/overview_window.h"
#include "map/ui/render/map_pictures.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using maprune::maptest::MakeTerrain;
using maprune::maptest::TestWorld;
using maprune::test::ScriptedDialogs;

class OverviewWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        MemorySettingsStore store;
        TSettings settings { store };
        TMapPictures pictures { MapLayout::XAxisWestEast };
        ScriptedDialogs dialogs;
        GameRecord plains = MakeTerrain(10000, false);
        TestWorld world;
        TMapView view { pictures, settings, dialogs };
        TOverviewWindow overview { view, settings };

        Fixture()
        {
            plains.SetInt32(76, 0x98D060);
            world.Report().Turn = 3;
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 40; ++x) {
                    TRegion& region = world.AddRegion(x - y / 2, y, 0, &plains);
                    region.FullInfoDate = x < 20 ? 3 : 2; // the eastern half is outdated
                }
            }
            view.resize(420, 320);
            view.show();
            overview.SetFitArea(QSize(170, 70));
            view.SetReport(&world.Report());
        }
    };

private slots:
    void thePictureHasTwoCellsPerRegionAndTheWindowItsZoomedSize()
    {
        Fixture f;
        const QImage& picture = f.overview.Picture();
        // Row y holds columns 2x + y - 2 (y div 2) .. : 81 columns in all.
        QCOMPARE(picture.size(), QSize(81, 30));
        QCOMPARE(f.overview.ZoomFactor(), 2); // the largest that fits 170 x 70
        QCOMPARE(f.settings.OverviewZoom.Get(), 2);
        QCOMPARE(f.overview.size(), QSize(162, 60));
        QCOMPARE(picture.pixel(1, 29) & 0xFFFFFF, 0x98D060u);
        // Outdated regions are dimmed.
        QCOMPARE(picture.pixel(79, 29) & 0xFFFFFF, 0x4C6830u);
        QCOMPARE(f.overview.windowTitle(), QStringLiteral("Übersichtskarte"));
    }

    void theRightButtonSwitchesTheDimming()
    {
        Fixture f;
        QTest::mouseClick(&f.overview, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!f.overview.Dimming());
        QCOMPARE(f.overview.Picture().pixel(79, 29) & 0xFFFFFF, 0x98D060u);
        QTest::mouseClick(&f.overview, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(f.overview.Picture().pixel(79, 29) & 0xFFFFFF, 0x4C6830u);
    }

    void pressingAndDraggingMovesTheMap()
    {
        Fixture f;
        const MapViewState& view = f.view.ViewState();
        const int width = f.overview.width();
        const int height = f.overview.height();
        QTest::mousePress(
            &f.overview, Qt::LeftButton, Qt::NoModifier, QPoint(width - 1, height - 1));
        QCOMPARE(view.Horizontal.Position, view.Horizontal.Maximum);
        QCOMPARE(view.Vertical.Position, view.Vertical.Maximum);
        const QPointF middle((width - 1) / 2, 0);
        QMouseEvent move(QEvent::MouseMove, middle, f.overview.mapToGlobal(middle), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.overview, &move);
        QTest::mouseRelease(&f.overview, Qt::LeftButton, Qt::NoModifier, QPoint(0, 0));
        QCOMPARE(view.Horizontal.Position,
            static_cast<int64_t>(middle.x() / (width - 1) * double(view.Horizontal.Maximum)));
        QCOMPARE(view.Vertical.Position, int64_t { 0 });
    }

    void theFrameShowsTheVisiblePartOfTheMap()
    {
        Fixture f;
        f.view.ScrollBy(600, 300);
        const QImage shown = f.overview.grab().toImage();
        const MapRect frame
            = OverviewFrame(f.view.ViewState(), f.overview.width(), f.overview.height());
        QCOMPARE(shown.pixel(int(frame.Left), int(frame.Top) + 3) & 0xFFFFFF, 0xFFFFFFu);
        QCOMPARE(shown.pixel(int(frame.Right) - 1, int(frame.Bottom) - 2) & 0xFFFFFF, 0xFFFFFFu);
        QVERIFY((shown.pixel(int(frame.Left) + 3, int(frame.Top) + 3) & 0xFFFFFF) != 0xFFFFFFu);
    }

    void ctrlPlusAndMinusZoom()
    {
        Fixture f;
        QTest::keyClick(&f.overview, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(f.overview.ZoomFactor(), 3);
        QCOMPARE(f.overview.size(), QSize(243, 90));
        QTest::keyClick(&f.overview, Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QTest::keyClick(&f.overview, Qt::Key_Minus, Qt::ControlModifier);
        // Never below what a map of 30 rows needs.
        QCOMPARE(f.overview.ZoomFactor(), 2);
        QCOMPARE(f.settings.OverviewZoom.Get(), 2);
    }

    void aNewReportFitsTheRoomAndTheUsersZoomStaysWithTheReport()
    {
        Fixture f;
        f.overview.SetFitArea(QSize(500, 400));
        QCOMPARE(f.overview.ZoomFactor(), 6);
        f.overview.Zoom(-1);
        QVERIFY(!f.overview.Fitting());
        f.overview.SetFitArea(QSize(800, 800));
        f.view.ReportChanged();
        QCOMPARE(f.overview.ZoomFactor(), 5);
        f.view.SetReport(&f.world.Report());
        QVERIFY(f.overview.Fitting());
        QCOMPARE(f.overview.ZoomFactor(), 9);

        // Docked, the panel is the room.
        TOverviewPanel panel(f.view, f.settings);
        QCOMPARE(panel.objectName(), QStringLiteral("Form5"));
        QCOMPARE(panel.windowTitle(), QStringLiteral("Übersichtskarte"));
        panel.resize(250, 100);
        panel.show();
        QCOMPARE(panel.Overview().ZoomFactor(), 3);
        QCOMPARE(panel.Overview().size(), QSize(243, 90));
    }

    void followsTheMapsColoursAndLayer()
    {
        Fixture f;
        for (TRegion* region : *f.world.Report().Regions)
            region->Peasants->AddValue(3, region->CY);
        f.view.ShowStatistic(StatisticKind::Peasants);
        QCOMPARE(f.overview.Picture().pixel(1, 29) & 0xFFFFFF,
            QRgb(f.view.MapState()->Colours(*f.world.Report().FindRegion(0, 0, 0)).MapColor));
        f.world.AddRegion(0, 0, 2);
        f.view.ReportChanged();
        f.view.SwitchLayer(2);
        QCOMPARE(f.overview.Picture().size(), QSize(2, 1));
    }

    void closingSaysSo()
    {
        Fixture f;
        QSignalSpy closed(&f.overview, &TOverviewWindow::closed);
        f.overview.show();
        f.overview.close();
        QCOMPARE(closed.count(), 1);
    }
};

QTEST_MAIN(OverviewWindowTest)
#include "overview_window_test.moc"
