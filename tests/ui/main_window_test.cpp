// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "app/main_window.h"

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionSaysNoReportIsLoaded()
    {
        maprune::TMainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Maprune - (kein Report geladen)"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
