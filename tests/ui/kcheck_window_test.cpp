// SPDX-License-Identifier: GPL-3.0-or-later
// "KCheck" runs a fake checker on the sample's order file; a click on a
// message goes to its unit.
#include <QtTest>

#include <QAction>
#include <QDockWidget>
#include <QListWidget>

#include "app/info/region_window.h"
#include "main_window_harness.h"
#include "orders/checker_results.h"
#include "orders/order_file.h"
#include "orders/ui/kcheck_messages_window.h"

using namespace maprune;

class KCheckWindowTest : public QObject {
    Q_OBJECT
private slots:
    void clickOnAMessageLeadsToItsUnit()
    {
        MainWindowHarness h;
        h.settings->KCHECK_Use.Set(true);
        h.settings->KCHECK_Path.Set(TEST_DATA_DIR "/fake_kcheck.sh");
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TReport* report = h.window->Document().Report();
        QVERIFY(report != nullptr);

        auto* window = h.window->findChild<TKCheckMessagesWindow*>();
        QVERIFY(window != nullptr);
        QAction* checker = h.window->Menu().Checker;
        QCOMPARE(checker->objectName(), QStringLiteral("KCheck1"));
        checker->trigger();
        const QStringList expected { QStringLiteral("KCheck (Testausgabe)"),
            QStringLiteral("Warnung: Region ohne Wachen"),
            QStringLiteral("Fehler: unbekannter Befehl 'ARBEITN'"),
            QStringLiteral("Einheit hat keinen langen Befehl"),
            QStringLiteral("Fehler: Zeile hinter dem Ende der Datei"),
            QStringLiteral("Fertig: 2 Fehler, 2 Warnungen") };
        QListWidget& list = window->List();
        QCOMPARE(list.count(), expected.size());
        for (int i = 0; i < list.count(); ++i)
            QVERIFY2(list.item(i)->text().startsWith(expected[i]), qPrintable(list.item(i)->text()));
        QVERIFY(h.window->Menu().InfoWindows.CheckerOutput->isChecked());
        QVERIFY(h.TakeMessages().empty());

        test::ScriptedDialogs quiet;
        const CheckerLink link = OrderFileLinks(*report, BuildOrderFile(*report, quiet))[8];
        QVERIFY(link.Unit != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QRect line = list.visualItemRect(list.item(2));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(h.window->Document().CurrentRegion(), link.Region);
        auto* units = h.window->RegionWindow().findChild<QListWidget*>(QStringLiteral("ListBox2"));
        QVERIFY(units != nullptr);
        QCOMPARE(h.window->RegionWindow().UnitAt(units->currentRow()), link.Unit);

        // A message about the region clears the unit selection.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
        QCOMPARE(h.window->Document().CurrentRegion(), link.Region);
        QCOMPARE(units->currentRow(), -1);
    }
};

QTEST_MAIN(KCheckWindowTest)
#include "kcheck_window_test.moc"
