// SPDX-License-Identifier: GPL-3.0-or-later
// Every menu entry on a real world, as a new user tries them one after the
// other: run under the sanitizers, any fault of the windows shows here.
#include <QtTest>

#include <QApplication>
#include <QDialog>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTimer>

#include "main_window_harness.h"
#include "map/ui/render/map_pictures.h"

using namespace maprune;

namespace {

// The entries a user can reach, menu by menu, each menu opened first so that
// the entries take the state it gives them.
QList<QAction*> ReachableEntries(QMenu& menu)
{
    emit menu.aboutToShow();
    QList<QAction*> entries;
    for (QAction* entry : menu.actions()) {
        if (entry->isSeparator() || !entry->isVisible() || !entry->isEnabled())
            continue;
        if (QMenu* below = entry->menu())
            entries += ReachableEntries(*below);
        else
            entries += entry;
    }
    emit menu.aboutToHide();
    return entries;
}

// Closes each modal dialog as soon as it shows, as Escape would: an entry that
// waits for an answer gets none and so changes nothing.
class ModalDialogCloser : public QObject {
public:
    ModalDialogCloser()
    {
        connect(&FTimer, &QTimer::timeout, this, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        FTimer.start(20);
    }

private:
    QTimer FTimer;
};

} // namespace

class MenuSmokeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A world in today's format, made by the generator beside the tests.
        QProcess crgen;
        crgen.start(QCoreApplication::applicationDirPath() + QStringLiteral("/crgen"),
            { QStringLiteral("--format"), QStringLiteral("69"), QStringLiteral("--regions"),
                QStringLiteral("80"), QStringLiteral("-o"), FToday });
        QVERIFY(crgen.waitForFinished(60000));
        QCOMPARE(crgen.exitCode(), 0);
    }

    void everyEntryOnAWorld_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("sample") << SampleFile("sample.cr");
        QTest::newRow("format 69") << FToday;
    }

    // Each reachable entry is triggered once, except "Be&enden", which ends
    // the run at the end; entries that open a modal dialog see it closed
    // unanswered. Then the window is resized, closed (storing the layout)
    // and started again on that layout.
    void everyEntryOnAWorld()
    {
        QFETCH(QString, file);
        MainWindowHarness h;
        h.pictures = &FPictures;
        QVERIFY(h.Start({ file }));
        TMainWindow* w = h.window.get();
        QVERIFY(w->Document().Report() != nullptr);
        w->showNormal();
        w->resize(1300, 900);
        {
            const ModalDialogCloser closer;
            for (QMenu* menu : w->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
                for (QAction* entry : ReachableEntries(*menu)) {
                    if (entry == w->Menu().Quit)
                        continue;
                    entry->trigger();
                    QTest::qWait(1);
                    QVERIFY2(
                        h.window != nullptr && w->isVisible(), qPrintable(entry->objectName()));
                }
            }
            QVERIFY(QTest::qWaitFor([w] { return !w->Busy(); }));
        }
        for (const QSize size : { QSize(640, 480), QSize(1600, 1000), QSize(1200, 800) }) {
            w->resize(size);
            QTest::qWait(1);
        }
        // A question about unsaved changes is answered "Nein".
        h.messages.answers = { ButtonNo };
        QVERIFY(h.Close());
        h.messages.answers.clear();
        QVERIFY(h.Start({ file }));
        QTRY_COMPARE(h.window->size(), QSize(1200, 800));
        h.messages.answers = { ButtonNo };
        QVERIFY(h.Close());
    }

private:
    QTemporaryDir FFolder;
    const QString FToday = FFolder.filePath(QStringLiteral("today.cr"));
    TMapPictures FPictures { MapLayout::XAxisWestEast };
};

QTEST_MAIN(MenuSmokeTest)
#include "menu_smoke_test.moc"
