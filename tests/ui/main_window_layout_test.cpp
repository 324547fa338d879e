// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QDockWidget>
#include <QFileInfo>
#include <QToolBar>

#include "app/log_window.h"
#include "config/window_layout.h"
#include "main_window_harness.h"
#include "map/ui/render/map_pictures.h"

using namespace maprune;

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void theLayoutAndTheLastFoldersOfOneRunComeBackInTheNext()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow* w = h.window.get();
        // Every dock and tool bar has a name that saveState can keep.
        for (const QDockWidget* dock : w->findChildren<QDockWidget*>())
            QVERIFY2(!dock->objectName().isEmpty(), qPrintable(dock->windowTitle()));
        for (const QToolBar* bar : w->findChildren<QToolBar*>())
            QVERIFY(!bar->objectName().isEmpty());

        auto* structure = w->findChild<QDockWidget*>(QStringLiteral("StructureWindowDock"));
        auto* region = w->findChild<QDockWidget*>(QStringLiteral("Form2Dock"));
        QVERIFY(structure && region);
        QVERIFY(!structure->isVisible() && region->isVisible());
        w->Menu().InfoWindows.Structure->trigger();
        w->Menu().InfoWindows.Region->trigger();
        w->addDockWidget(Qt::RightDockWidgetArea, structure);
        w->resizeDocks({ structure }, { 333 }, Qt::Horizontal);
        w->showNormal();
        w->resize(900, 700);
        QTRY_COMPARE(w->size(), QSize(900, 700));
        const int structureWidth = structure->width();

        h.files.toOpen = { SampleFile("sample-turn2.cr") };
        w->Menu().Open->trigger();
        QVERIFY(h.Close());
        QVERIFY(!LoadWindowLayout(h.store).State.empty());

        QVERIFY(h.Start());
        w = h.window.get();
        structure = w->findChild<QDockWidget*>(QStringLiteral("StructureWindowDock"));
        region = w->findChild<QDockWidget*>(QStringLiteral("Form2Dock"));
        QTRY_VERIFY(structure->isVisible());
        QVERIFY(!region->isVisible());
        QCOMPARE(w->dockWidgetArea(structure), Qt::RightDockWidgetArea);
        QCOMPARE(structure->width(), structureWidth);
        QCOMPARE(w->size(), QSize(900, 700));
        QVERIFY(w->Menu().InfoWindows.Structure->isChecked());
        QVERIFY(!w->Menu().InfoWindows.Region->isChecked());
        // The entries still show and hide their windows.
        w->Menu().InfoWindows.Region->trigger();
        QTRY_VERIFY(region->isVisible());

        // Without OpenDir the dialog starts where the last run left it.
        h.files.startFolders.clear();
        w->Menu().Open->trigger();
        QCOMPARE(h.files.startFolders,
            QStringList { QFileInfo(SampleFile("sample-turn2.cr")).absolutePath() });
        QVERIFY(h.Close());
    }

    void layoutsOfEverySizeAndDockPlaceComeBackInANewWindow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("arrangement");
        for (const QSize size : { QSize(640, 480), QSize(1200, 800), QSize(1920, 1200) }) {
            for (const char* arrangement :
                { "as built", "moved", "floated", "hidden", "all shown" }) {
                QTest::addRow("%dx%d %s", size.width(), size.height(), arrangement)
                    << size << QString::fromLatin1(arrangement);
            }
        }
    }

    // Stored at one size with the docks arranged, the layout comes back in
    // the next window: the same docks shown, floated and placed.
    void layoutsOfEverySizeAndDockPlaceComeBackInANewWindow()
    {
        QFETCH(QSize, size);
        QFETCH(QString, arrangement);
        MainWindowHarness h;
        h.pictures = &FPictures;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow* w = h.window.get();
        w->showNormal();
        const auto dock = [&h](const char* name) {
            return h.window->findChild<QDockWidget*>(QString::fromLatin1(name));
        };
        if (arrangement == QLatin1String("moved")) {
            w->addDockWidget(Qt::LeftDockWidgetArea, dock("Form2Dock"));
            w->addDockWidget(Qt::RightDockWidgetArea, dock("CalculatorFormDock"));
        } else if (arrangement == QLatin1String("floated")) {
            dock("Form2Dock")->setFloating(true);
            dock("CalculatorFormDock")->setFloating(true);
        } else if (arrangement == QLatin1String("hidden")) {
            w->Menu().InfoWindows.Region->setChecked(false);
            w->Menu().Tool("calculator")->setChecked(false);
        } else if (arrangement == QLatin1String("all shown")) {
            for (QDockWidget* each : w->findChildren<QDockWidget*>())
                each->show();
        }
        w->resize(size);
        QTest::qWait(1);
        struct DockState {
            QString Name;
            bool Shown, Floating;
            Qt::DockWidgetArea Area;
        };
        std::vector<DockState> before;
        for (const QDockWidget* each : w->findChildren<QDockWidget*>())
            before.push_back({ each->objectName(), each->isVisible(), each->isFloating(),
                w->dockWidgetArea(const_cast<QDockWidget*>(each)) });
        QVERIFY(h.Close());

        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        w = h.window.get();
        QTest::qWait(1);
        QVERIFY(w->isVisible());
        for (const DockState& was : before) {
            QDockWidget* now = dock(qPrintable(was.Name));
            QVERIFY(now != nullptr);
            QCOMPARE(now->isVisible(), was.Shown);
            QCOMPARE(now->isFloating(), was.Floating);
            QCOMPARE(w->dockWidgetArea(now), was.Area);
        }
        QVERIFY(h.Close());
    }

    // A layout stored from a window larger than the one first built, started
    // maximised (a first start, or one that ended maximised): Qt kept the
    // docks' state for the first showing and crashed applying it there.
    void aLargeLayoutComesBackInAMaximisedWindow()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.window->showNormal();
        h.window->resize(1300, 900);
        QTest::qWait(1);
        QVERIFY(h.Close());
        QVERIFY(h.store.Delete(kWindowLayoutKey, "Geometry"));

        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        QTest::qWait(1);
        QVERIFY(h.window->isVisible());
        QVERIFY(h.window->windowState().testFlag(Qt::WindowMaximized));
        QVERIFY(h.window->findChild<QDockWidget*>(QStringLiteral("Form2Dock"))->isVisible());
        QVERIFY(h.Close());
    }

    void aStoredLayoutThatCannotBeAppliedIsDroppedWithANote()
    {
        MainWindowHarness h;
        WindowLayout layout;
        layout.State = "kein Zustand";
        SaveWindowLayout(h.store, layout);
        QVERIFY(h.Start());
        QVERIFY(h.window->isVisible());
        QVERIFY(h.window->LogWindow()
                    .SessionLines()
                    .join(QLatin1Char('\n'))
                    .contains(QStringLiteral("Fensteranordnung")));
        QVERIFY(LoadWindowLayout(h.store).State.empty());
        // The next close stores the layout as it is now.
        QVERIFY(h.Close());
        QVERIFY(!LoadWindowLayout(h.store).State.empty());
    }

private:
    TMapPictures FPictures { MapLayout::XAxisWestEast };
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
