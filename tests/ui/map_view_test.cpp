// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <set>

#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "map/colour_scale.h"
#include "map/map_navigation.h"
#include "map/test_world.h"
#include "map/ui/map_view_widget.h"
#include "map/ui/render/map_pictures.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using maprune::maptest::TestWorld;
using maprune::test::ScriptedDialogs;

namespace {

// A rectangular world of `columns` x `rows` plains regions on layer 0,
// named after their place, seen in turn 1 with complete information.
void FillGrid(TestWorld& world, int columns, int rows)
{
    world.Report().Turn = 1;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            TRegion& region = world.AddRegion(x - y / 2, y);
            region.Bitmap_ = 1;
            region.FullInfoDate = 1;
            region.Name = "R" + std::to_string(x) + "_" + std::to_string(y);
        }
    }
}

QRgb Pixel(const QImage& image, QPoint at)
{
    return image.pixel(at) & 0xFFFFFF;
}

} // namespace

class MapViewTest : public QObject {
    Q_OBJECT

    struct Fixture {
        MemorySettingsStore store;
        TSettings settings { store };
        TMapPictures pictures { MapLayout::XAxisWestEast };
        ScriptedDialogs dialogs;
        TestWorld world;
        TMapView view { pictures, settings, dialogs };

        explicit Fixture(int columns = 20, int rows = 16)
        {
            FillGrid(world, columns, rows);
            view.resize(420, 320);
            view.show();
            view.SetReport(&world.Report());
            // What the program's document does with the view's requests.
            QObject::connect(&view, &TMapView::selectionRequested, &view,
                [this](TRegion* region, bool selected, int) {
                    region->SetTag(
                        selected ? region->Tag() | TagSelected : region->Tag() & ~TagSelected);
                    view.RedrawRegion(*region);
                });
        }

        TRegion& At(int32_t x, int32_t y) { return *world.Report().FindRegion(x, y, 0); }
        // The region in grid column `column` of row `row`; at the start the
        // view shows the top rows (the highest CY).
        TRegion& Cell(int column, int row) { return At(column - row / 2, row); }

        // The screen point in the middle of the region's hexagon.
        QPoint Centre(const TRegion& region) const
        {
            const MapPoint corner = RegionToScreen(view.ViewState(), region);
            return QPoint(static_cast<int>(corner.X) + 32, static_cast<int>(corner.Y) + 32);
        }

        void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
            Qt::KeyboardModifiers modifiers = Qt::NoModifier)
        {
            QMouseEvent event(
                type, at, view.viewport()->mapToGlobal(at), button, buttons, modifiers);
            QApplication::sendEvent(view.viewport(), &event);
        }
        void Press(QPoint at, Qt::MouseButton button)
        {
            Mouse(QEvent::MouseButtonPress, at, button, button);
        }
        void Move(
            QPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
        {
            Mouse(QEvent::MouseMove, at, Qt::NoButton, buttons, modifiers);
        }
        void Release(QPoint at, Qt::MouseButton button)
        {
            Mouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        }

        // The regions whose tile meets one of the screen rectangles, counted
        // directly.
        size_t RegionsMeeting(std::initializer_list<QRect> rects)
        {
            size_t count = 0;
            for (const TRegion* region : *world.Report().Regions) {
                const MapPoint corner = RegionToScreen(view.ViewState(), *region);
                const QRect tile(static_cast<int>(corner.X), static_cast<int>(corner.Y), 64, 64);
                if (std::any_of(rects.begin(), rects.end(),
                        [&](const QRect& rect) { return tile.intersects(rect); }))
                    ++count;
            }
            return count;
        }
    };

private slots:
    void scrollingLessThanTheViewRedrawsOnlyTheUncoveredStrip()
    {
        Fixture f;
        const int width = static_cast<int>(f.view.ViewState().ViewWidth);
        const int height = static_cast<int>(f.view.ViewState().ViewHeight);
        const size_t all = f.RegionsMeeting({ QRect(0, 0, width, height) });
        QCOMPARE(f.view.LastDrawnCount(), all);

        f.view.ScrollBy(64, 0);
        QCOMPARE(f.view.ScrollPositions(), QPoint(64, 0));
        QCOMPARE(f.view.LastDrawnCount(), f.RegionsMeeting({ QRect(width - 64, 0, 64, height) }));
        QVERIFY(f.view.LastDrawnCount() < all / 3);
        const QImage moved = f.view.Canvas().copy();
        f.view.Redraw();
        QCOMPARE(moved, f.view.Canvas());

        // Both ways at once: a strip at the bottom and one at the left, each
        // region meeting both drawn once.
        f.view.ScrollBy(-40, 30);
        QCOMPARE(f.view.ScrollPositions(), QPoint(24, 30));
        QCOMPARE(f.view.LastDrawnCount(),
            f.RegionsMeeting({ QRect(0, height - 30, width, 30), QRect(0, 0, 40, height - 30) }));
        const QImage both = f.view.Canvas().copy();
        f.view.Redraw();
        QCOMPARE(both, f.view.Canvas());
    }

    void scrollingByTheViewSizeRedrawsEverything()
    {
        Fixture f(40, 30);
        const int width = static_cast<int>(f.view.ViewState().ViewWidth);
        const int height = static_cast<int>(f.view.ViewState().ViewHeight);
        f.view.ScrollBy(width, 0);
        QCOMPARE(f.view.LastDrawnCount(), f.RegionsMeeting({ QRect(0, 0, width, height) }));
    }

    void rightClickCommitsTheCurrentRegion()
    {
        Fixture f;
        std::vector<TRegion*> current;
        connect(
            &f.view, &TMapView::currentRegionChanged, [&](TRegion* r) { current.push_back(r); });
        TRegion& region = f.Cell(2, 13);
        f.Press(f.Centre(region), Qt::RightButton);
        f.Release(f.Centre(region), Qt::RightButton);
        QCOMPARE(f.view.CurrentRegion(), &region);
        QCOMPARE(current, std::vector<TRegion*> { &region });
        // The marker is drawn at once.
        const MapPoint corner = RegionToScreen(f.view.ViewState(), region);
        QCOMPARE(Pixel(f.view.Canvas(), QPoint(int(corner.X) + 32, int(corner.Y) + 5)), 0xF02020u);

        // The mouse resting elsewhere changes nothing while RightSelect is on.
        f.Move(f.Centre(f.Cell(4, 12)), Qt::NoButton);
        QTest::qWait(350);
        QCOMPARE(f.view.CurrentRegion(), &region);
    }

    void withoutRightSelectTheRestingMouseCommitsAfterAQuarterSecond()
    {
        Fixture f;
        f.settings.RightSelect.Set(false);
        TRegion& region = f.Cell(3, 14);
        f.Press(f.Centre(region), Qt::RightButton);
        f.Release(f.Centre(region), Qt::RightButton);
        QCOMPARE(f.view.CurrentRegion(), nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(f.view.CurrentRegion(), &region, 1000);

        TRegion& other = f.Cell(5, 12);
        f.Move(f.Centre(other), Qt::NoButton);
        QCOMPARE(f.view.HoveredRegion(), &other);
        QCOMPARE(f.view.CurrentRegion(), &region);
        QTest::qWait(100);
        QCOMPARE(f.view.CurrentRegion(), &region);
        QTRY_COMPARE_WITH_TIMEOUT(f.view.CurrentRegion(), &other, 1000);
    }

    void aLeftDragSelectsFromAnUnselectedRegion()
    {
        Fixture f;
        QSignalSpy toggled(&f.view, &TMapView::selectionRequested);
        TRegion& a = f.Cell(1, 14);
        TRegion& b = f.Cell(2, 14);
        TRegion& c = f.Cell(3, 14);
        TRegion& d = f.Cell(4, 14);
        c.SetTag(TagSelected);
        f.Press(f.Centre(a), Qt::LeftButton);
        QVERIFY(a.Tag() & TagSelected);
        f.Move(f.Centre(b), Qt::LeftButton);
        f.Move(f.Centre(c), Qt::LeftButton);
        f.Move(f.Centre(b), Qt::LeftButton); // back over a region already done
        f.Move(f.Centre(d), Qt::LeftButton, Qt::ShiftModifier); // a modifier held: nothing
        f.Release(f.Centre(d), Qt::LeftButton);
        QVERIFY(b.Tag() & TagSelected);
        QVERIFY(c.Tag() & TagSelected);
        QVERIFY(!(d.Tag() & TagSelected));
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(f.view.Hint(), QString());
        // Moving on after the release selects nothing.
        f.Move(f.Centre(d), Qt::NoButton);
        QVERIFY(!(d.Tag() & TagSelected));
        // The selection shows on the map: the overlay's yellow at the edge.
        const MapPoint corner = RegionToScreen(f.view.ViewState(), a);
        QCOMPARE(Pixel(f.view.Canvas(), QPoint(int(corner.X) + 32, int(corner.Y) + 1)), 0xFFE630u);
    }

    void aLeftDragFromASelectedRegionDeselects()
    {
        Fixture f;
        TRegion& a = f.Cell(1, 13);
        TRegion& b = f.Cell(2, 13);
        TRegion& c = f.Cell(3, 13);
        a.SetTag(TagSelected);
        b.SetTag(TagSelected);
        f.Press(f.Centre(a), Qt::LeftButton);
        QVERIFY(!(a.Tag() & TagSelected));
        f.Move(f.Centre(b), Qt::LeftButton);
        f.Move(f.Centre(c), Qt::LeftButton);
        f.Release(f.Centre(c), Qt::LeftButton);
        QVERIFY(!(b.Tag() & TagSelected));
        QVERIFY(!(c.Tag() & TagSelected));
    }

    void swappedButtonsSelectWithTheRightAndPanWithTheLeft()
    {
        Fixture f(40, 30);
        f.settings.SwapMouseButtons.Set(true);
        TRegion& region = f.Cell(2, 27);
        f.Press(f.Centre(region), Qt::RightButton);
        f.Release(f.Centre(region), Qt::RightButton);
        QVERIFY(region.Tag() & TagSelected);
        QCOMPARE(f.view.CurrentRegion(), nullptr);

        const QPoint start(200, 150);
        f.Press(start, Qt::LeftButton);
        QCOMPARE(f.view.CurrentRegion(), f.view.HoveredRegion());
        QVERIFY(f.view.CurrentRegion() != nullptr);
        f.Move(start - QPoint(50, 20), Qt::LeftButton);
        f.Release(start - QPoint(50, 20), Qt::LeftButton);
        QCOMPARE(f.view.ScrollPositions(), QPoint(50, 20));
    }

    void rightDragPansByScrollSpeed()
    {
        Fixture f(40, 30);
        const QPoint start(200, 150);
        f.Press(start, Qt::RightButton);
        f.Move(start - QPoint(30, 10), Qt::RightButton);
        QCOMPARE(f.view.ScrollPositions(), QPoint(30, 10));
        f.Release(start, Qt::RightButton);

        f.settings.ScrollSpeed.Set(-1.5);
        f.Press(start, Qt::RightButton);
        f.Move(start + QPoint(10, 5), Qt::RightButton); // -1.5 x (-10, -5): 15 and 7.5, even 8
        QCOMPARE(f.view.ScrollPositions(), QPoint(45, 18));
        f.Release(start, Qt::RightButton);
        // Without the button held the mouse only hovers.
        f.Move(start + QPoint(40, 40), Qt::NoButton);
        QCOMPARE(f.view.ScrollPositions(), QPoint(45, 18));
    }

    void statisticColoursAppearOnScreen()
    {
        Fixture f;
        for (TRegion* region : *f.world.Report().Regions)
            region->Peasants->AddValue(1, 100 * region->CY);
        f.view.ShowStatistic(StatisticKind::Peasants);
        QCOMPARE(
            f.view.Caption(), QStringLiteral("statistische Karte (Bauern) im Januar des Jahres 1"));
        QCOMPARE(f.view.findChild<QLabel*>("Label1")->text(), f.view.Caption());
        const QImage screen = f.view.viewport()->grab().toImage();
        const int maxY = 15;
        for (int y : { 15, 14, 12 }) {
            TRegion& region = f.Cell(2, y);
            const Rgb expected = ScaleColour(100.0 * maxY, 100.0 * y, 0);
            QCOMPARE(Pixel(screen, f.Centre(region) + QPoint(0, 20)), QRgb(expected));
        }
        f.view.ShowGeographic();
        QCOMPARE(f.view.findChild<QLabel*>("Label1")->text(), QString());
    }

    void tenPartiesShowSevenSharesAndTheHintListsTen()
    {
        Fixture f;
        TRegion& region = f.Cell(2, 13);
        for (int party = 1; party <= 10; ++party) {
            f.world.AddParty(party, "Volk" + std::to_string(party));
            f.world.AddPolitic(region, party, 1, 0, 20 + party, 0);
        }
        f.view.ShowPolitical(false, PersonsMode::Persons);
        std::set<QRgb> shown;
        const MapPoint corner = RegionToScreen(f.view.ViewState(), region);
        const QImage screen = f.view.viewport()->grab().toImage();
        for (int v = 2; v < 62; ++v)
            for (int u = 2; u < 62; ++u)
                if (InsideHexagon(u, v, MapLayout::XAxisWestEast) && !(v > 16 && v < 48))
                    shown.insert(Pixel(screen, QPoint(int(corner.X) + u, int(corner.Y) + v)));
        shown.erase(0x808080);
        QCOMPARE(shown.size(), size_t(7));

        QSignalSpy hints(&f.view, &TMapView::hintChanged);
        f.Move(f.Centre(region), Qt::NoButton);
        const QString hint = f.view.Hint();
        QVERIFY(hint.startsWith(QStringLiteral("R2_13 (-4,13) - ")));
        QCOMPARE(hint.split(", ").size(), 10);
        for (int party = 1; party <= 10; ++party)
            QVERIFY(hint.contains(QStringLiteral("Volk%1 (").arg(party)));
        QCOMPARE(hints.count(), 1);
        QCOMPARE(hints.at(0).at(0).toString(), hint);
        // Over no region the hint is empty.
        f.view.ScrollBy(-1000, -1000);
        f.Move(QPoint(2, 300), Qt::NoButton);
        QCOMPARE(f.view.HoveredRegion(), nullptr);
        QCOMPARE(f.view.Hint(), QString());
    }

    void theCornerButtonSwitchesFogAndWithShiftTheTextStyle()
    {
        Fixture f;
        auto* button = f.view.findChild<QToolButton*>("SpeedButton1");
        QVERIFY(button);
        QSignalSpy colours(&f.view, &TMapView::coloursChanged);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.settings.FOW_Mode.Get(), 1);
        QCOMPARE(colours.count(), 1);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(f.settings.FOW_Mode.Get(), 0);
        f.settings.TextStyle.Set(5);
        QTest::mouseClick(button, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(f.settings.TextStyle.Get(), 0);
        QTest::mouseClick(button, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(f.settings.TextStyle.Get(), 1);
        QCOMPARE(f.settings.FOW_Mode.Get(), 0);
    }

    void arrowKeysStepTheScrollBars()
    {
        Fixture f(40, 30);
        QCOMPARE(f.view.findChild<QScrollBar*>("ScrollBar2"), f.view.horizontalScrollBar());
        QCOMPARE(f.view.findChild<QScrollBar*>("ScrollBar1"), f.view.verticalScrollBar());
        QTest::keyClick(&f.view, Qt::Key_Right);
        QTest::keyClick(&f.view, Qt::Key_Down);
        QTest::keyClick(&f.view, Qt::Key_Down);
        QCOMPARE(f.view.ScrollPositions(), QPoint(32, 48));
        QTest::keyClick(&f.view, Qt::Key_Left);
        QCOMPARE(f.view.ScrollPositions(), QPoint(0, 48));
        QCOMPARE(f.view.horizontalScrollBar()->value(), 0);
        QCOMPARE(f.view.verticalScrollBar()->value(), 48);
        // Dragging a scroll bar moves the map.
        f.view.horizontalScrollBar()->setValue(100);
        QCOMPARE(f.view.ScrollPositions(), QPoint(100, 48));
    }

    void mapsWiderThanAScrollBarScrollInCoarserSteps()
    {
        MemorySettingsStore store;
        TSettings settings(store);
        TMapPictures pictures(MapLayout::XAxisWestEast);
        ScriptedDialogs dialogs;
        TestWorld world;
        world.AddRegion(-100'000'000, 0);
        TRegion& east = world.AddRegion(100'000'000, 0);
        TMapView view(pictures, settings, dialogs);
        view.resize(300, 200);
        view.show();
        view.SetReport(&world.Report());
        const int64_t maximum = view.ViewState().Horizontal.Maximum;
        QVERIFY(maximum > std::numeric_limits<int>::max());
        QScrollBar* bar = view.horizontalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        QVERIFY(view.ViewState().Horizontal.Position > maximum - maximum / bar->maximum() - 1);
        view.CentreOn(east);
        QCOMPARE(view.ViewState().Horizontal.Position, maximum);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(view.LastDrawnCount(), size_t(1));
    }

    void switchingLayersClearsTheCurrentRegionAndRebuilds()
    {
        MemorySettingsStore store;
        TSettings settings(store);
        TMapPictures pictures(MapLayout::XAxisWestEast);
        ScriptedDialogs dialogs;
        TestWorld world;
        world.Report().ActiveLayer = 1;
        world.AddRegion(0, 0, 1);
        world.AddRegion(5, 5, 0);
        TRegion& upper = world.AddRegion(1, 0, 1);
        TMapView view(pictures, settings, dialogs);
        view.resize(300, 200);
        view.show();
        view.SetReport(&world.Report());
        QCOMPARE(view.Layers(), (std::vector<int32_t> { 1, 0 }));

        view.SetCurrentRegion(&upper);
        QSignalSpy current(&view, &TMapView::currentRegionChanged);
        QSignalSpy rebuilt(&view, &TMapView::viewRebuilt);
        QVERIFY(!view.SwitchLayer(7));
        QVERIFY(view.SwitchLayer(0));
        QCOMPARE(view.ActiveLayer(), 0);
        QCOMPARE(view.CurrentRegion(), nullptr);
        QCOMPARE(current.count(), 1);
        QCOMPARE(rebuilt.count(), 1);
        // One region: centred, both bars without range.
        QCOMPARE(view.ViewState().Horizontal.Maximum, 0);
        QVERIFY(view.ViewState().CentreOffsetX > 0);
    }

    void centreOnSwitchesTheLayerAndCommits()
    {
        Fixture f(40, 30);
        TRegion& far = f.Cell(30, 3);
        f.view.CentreOn(far);
        QCOMPARE(f.view.CurrentRegion(), &far);
        const QPoint corner = f.Centre(far) - QPoint(32, 32);
        QCOMPARE(corner,
            QPoint(int(f.view.ViewState().ViewWidth / 2 - 32),
                int(f.view.ViewState().ViewHeight / 2 - 24)));
    }

    void withoutAReportTheMapIsBlack()
    {
        Fixture f;
        f.view.SetCurrentRegion(&f.Cell(1, 14));
        f.view.SetReport(nullptr);
        QCOMPARE(f.view.CurrentRegion(), nullptr);
        const QImage& canvas = f.view.Canvas();
        for (int y = 0; y < canvas.height(); y += 7)
            for (int x = 0; x < canvas.width(); x += 7)
                QCOMPARE(Pixel(canvas, QPoint(x, y)), 0u);
        f.Move(QPoint(50, 50), Qt::NoButton);
        QCOMPARE(f.view.HoveredRegion(), nullptr);
    }

    void scrollPositionsComeFromAndGoToTheReport()
    {
        Fixture f(40, 30);
        f.world.Report().PosX = 100;
        f.world.Report().PosY = 999999;
        f.view.SetReport(&f.world.Report());
        const int64_t maxY = f.view.ViewState().Vertical.Maximum;
        QCOMPARE(f.view.ScrollPositions(), QPoint(100, int(maxY)));
        f.view.ScrollBy(-30, -40);
        f.view.StoreScrollPositions();
        QCOMPARE(f.world.Report().PosX, 70);
        QCOMPARE(f.world.Report().PosY, int32_t(maxY - 40));
        // Reports added keep the view where it is.
        f.view.ReportChanged();
        QCOMPARE(f.view.ScrollPositions(), QPoint(70, int(maxY - 40)));
    }

    void ctrlWheelZoomsAroundTheMouseAndThePlainWheelScrolls()
    {
        Fixture f(40, 30);
        f.view.ScrollBy(500, 300);
        QSignalSpy zoomed(&f.view, &TMapView::zoomChanged);
        const QPoint mouse(150, 110);
        f.Move(mouse, Qt::NoButton);
        TRegion* under = f.view.HoveredRegion();
        QVERIFY(under != nullptr);
        const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
            QWheelEvent event(mouse, f.view.viewport()->mapToGlobal(mouse), QPoint(),
                QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.view.viewport(), &event);
        };
        wheel(-120, Qt::ControlModifier);
        QCOMPARE(f.view.TileSize(), 48);
        wheel(60, Qt::ControlModifier); // half a step: nothing yet
        QCOMPARE(f.view.TileSize(), 48);
        wheel(180, Qt::ControlModifier);
        QCOMPARE(f.view.TileSize(), 96);
        QCOMPARE(zoomed.count(), 3);
        f.Move(mouse, Qt::NoButton);
        QCOMPARE(f.view.HoveredRegion(), under);

        const QPoint before = f.view.ScrollPositions();
        wheel(-120, Qt::NoModifier);
        QCOMPARE(f.view.TileSize(), 96);
        QVERIFY(f.view.ScrollPositions() != before);
        // Zooming out stops at the whole layer.
        for (int i = 0; i < 12; ++i)
            f.view.ZoomOut();
        QCOMPARE(f.view.TileSize(), f.view.WholeLayerTileSize());
        QCOMPARE(f.view.ViewState().Horizontal.Maximum, 0);
        QCOMPARE(f.view.LastDrawnCount(), f.world.Report().Regions->Count());
    }

    void hitTestingAndDrawingAgreeAtThreeZoomLevels()
    {
        Fixture f(40, 30);
        f.view.ScrollBy(200, 200);
        for (const int size : { 16, 64, 128 }) {
            f.view.SetTileSize(size, QPoint(200, 150));
            QCOMPARE(f.view.TileSize(), size);
            const QImage& canvas = f.view.Canvas();
            int checked = 0;
            for (TRegion* region : *f.world.Report().Regions) {
                const MapPoint corner = RegionToScreen(f.view.ViewState(), *region);
                const QPoint middle(int(corner.X) + size / 2, int(corner.Y) + size / 2);
                if (!canvas.rect().contains(middle) || checked >= 12
                    || (size < 64 && region->CX % 5 != 0))
                    continue;
                ++checked;
                f.Press(middle, Qt::RightButton);
                f.Release(middle, Qt::RightButton);
                QCOMPARE(f.view.CurrentRegion(), region);
                QVERIFY(Pixel(canvas, middle) != 0u);
                // A pixel in the tile's corner belongs to a neighbour.
                if (canvas.rect().contains(QPoint(int(corner.X), int(corner.Y)))) {
                    f.Move(QPoint(int(corner.X), int(corner.Y)), Qt::NoButton);
                    QVERIFY(f.view.HoveredRegion() != region);
                }
            }
            QVERIFY(checked >= 3);
        }
    }

    void longNamesStayWithinTheirHexagon()
    {
        Fixture f(6, 4);
        TRegion& region = f.Cell(2, 2);
        region.Name = "Ein sehr langer Name einer Region am Meer";
        TRegion& left = f.Cell(1, 2);
        left.Name.clear();
        f.settings.TextStyle.Set(1); // white text on the plains
        f.view.Redraw();
        const MapPoint corner = RegionToScreen(f.view.ViewState(), left);
        const QImage& canvas = f.view.Canvas();
        // No text pixel reaches the nameless neighbour's middle band.
        for (int x = int(corner.X) + 8; x < int(corner.X) + 56; ++x)
            for (int y = int(corner.Y) + 18; y < int(corner.Y) + 31; ++y)
                QVERIFY(Pixel(canvas, QPoint(x, y)) != 0xFFFFFFu);
    }
};

QTEST_MAIN(MapViewTest)
#include "map_view_test.moc"
