// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QAbstractButton>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "app/busy_guard.h"
#include "app/main_menu.h"
#include "app/qt_dialogs.h"
#include "app/status_progress.h"

using namespace maprune;

namespace {

// Runs `act` on the message box once it is shown.
void WhenMessageBoxShows(std::function<void(QMessageBox&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        act(*box);
    });
}

QStringList ButtonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* button : box.buttons())
        texts += button->text();
    texts.sort();
    return texts;
}

} // namespace

class AdaptersTest : public QObject {
    Q_OBJECT
private slots:
    void messageBoxesSpeakGermanAndAnswerWithAnOfferedButton()
    {
        QtDialogs dialogs;
        QStringList texts;
        QString title;
        WhenMessageBoxShows([&](QMessageBox& box) {
            texts = ButtonTexts(box);
            title = box.windowTitle();
            for (QAbstractButton* button : box.buttons()) {
                if (button->text() == QStringLiteral("&Nein"))
                    button->click();
            }
        });
        QCOMPARE(dialogs.ShowMessage(
                     MessageKind::Warning, "Speichern?", ButtonYes | ButtonNo | ButtonCancel),
            ButtonNo);
        QCOMPARE(texts,
            (QStringList {
                QStringLiteral("&Ja"), QStringLiteral("&Nein"), QStringLiteral("Abbrechen") }));
        QCOMPARE(title, QStringLiteral("Warnung"));

        // Escape answers Cancel where it is offered ...
        WhenMessageBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(dialogs.ShowMessage(MessageKind::Confirmation, "OK?", ButtonOk | ButtonCancel),
            ButtonCancel);
        // ... and the only button of a plain message.
        WhenMessageBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        QCOMPARE(dialogs.ShowMessage(MessageKind::Error, "Fehler!", ButtonOk), ButtonOk);
    }

    void theProgressPanelShowsStateAndRemainingTime()
    {
        qint64 now = 5000;
        TStatusProgress progress;
        progress.SetClock([&now] { return now; });
        QCOMPARE(progress.width(), 200);
        QCOMPARE(progress.Text(), QString());

        progress.ProgressStart();
        QCOMPARE(progress.Text(), QStringLiteral("loading"));
        now += 10000;
        progress.ProgressSet(25);
        QCOMPARE(progress.Text(), QStringLiteral("ETA left: 0:00:30"));

        // The core's fractions become percent, never 100 before the end.
        progress.SetRange(1000);
        progress.SetPosition(1000);
        QCOMPARE(progress.Percent(), 99);
        progress.SetPosition(500);
        QCOMPARE(progress.Percent(), 50);

        now += 3590000;
        progress.ProgressFinish();
        QCOMPARE(progress.Text(), QStringLiteral("finished: 1:00:00"));
        progress.ProgressStop();
        QCOMPARE(progress.Percent(), -1);

        QCOMPARE(FormatDuration(0), QStringLiteral("0:00:00"));
        QCOMPARE(FormatDuration(3723999), QStringLiteral("1:02:03"));
        QCOMPARE(FormatDuration(360000000), QStringLiteral("100:00:00"));
    }

    void aBusyWindowTakesNoCommandsButShowsProgress()
    {
        QMainWindow window;
        QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Programm"));
        QAction* open = AddMenuEntry(
            *menu, QStringLiteral("Report &öffnen..."), QKeySequence(Qt::CTRL | Qt::Key_O));
        window.setCentralWidget(new QWidget);
        window.statusBar();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        int opened = 0;
        connect(open, &QAction::triggered, [&opened] { ++opened; });
        {
            BusyGuard busy(window);
            QVERIFY(!window.menuBar()->isEnabled());
            QVERIFY(!window.centralWidget()->isEnabled());
            QVERIFY(window.statusBar()->isEnabled());
            QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
            QCOMPARE(opened, 0);
        }
        QVERIFY(window.menuBar()->isEnabled());
        QVERIFY(window.centralWidget()->isEnabled());
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(opened, 1);
    }

    void hiddenMenuEntriesLoseTheirShortcuts()
    {
        QCOMPARE(MenuItemName(QStringLiteral("Report &öffnen...")), QStringLiteral("Reportffnen1"));
        QCOMPARE(MenuItemName(QStringLiteral("&Report(e) hinzufügen...")),
            QStringLiteral("Reportehinzufgen1"));

        QMenuBar bar;
        const MainMenu menu = BuildMainMenu(bar);
        QCOMPARE(menu.SetOrigin->objectName(), QStringLiteral("Ursprungsetzen1"));
        ShowMenuEntry(menu.Extras->menuAction(), false);
        QVERIFY(menu.SetOrigin->shortcut().isEmpty());
        ShowMenuEntry(menu.Save, false);
        QVERIFY(menu.Save->shortcut().isEmpty());
        QCOMPARE(menu.Open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        ShowMenuEntry(menu.Extras->menuAction(), true);
        QCOMPARE(menu.SetOrigin->shortcut(), QKeySequence(Qt::Key_F10));
        ShowMenuEntry(menu.Save, true);
        QCOMPARE(menu.Save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(menu.About->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F1));
    }
};

QTEST_MAIN(AdaptersTest)
#include "adapters_test.moc"
