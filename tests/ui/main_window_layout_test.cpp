// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QDockWidget>
#include <QFileInfo>
#include <QToolBar>

#include "config/window_layout.h"
#include "main_window_harness.h"

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
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
