// SPDX-License-Identifier: GPL-3.0-or-later
// The tools come from one table: each row must show up as its entry, and
// its command-line verb must exist, or the key index sends players nowhere.
#include <QtTest>

#include <QAction>

#include "app/help_windows.h"
#include "app/tool_table.h"
#include "cli_process.h"
#include "main_window_harness.h"

using namespace maprune;

class ToolTableTest : public QObject {
    Q_OBJECT
private slots:
    void everyToolHasItsEntryAndAVerbThatExists()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        const MainMenu& menu = h.window->Menu();
        const QString index = MenuKeyIndex(*h.window->menuBar());
        for (const ToolDeclaration& tool : ToolDeclarations()) {
            const QString id = QString::fromUtf8(tool.Id.data(), tool.Id.size());
            const QAction* entry = menu.Tool(tool.Id);
            QCOMPARE(entry->text(), QString::fromUtf8(tool.Caption.data(), tool.Caption.size()));
            QCOMPARE(MenuEntryKey(*entry), tool.Key);
            QVERIFY2(tool.Checkable == entry->isCheckable(), qPrintable(id));
            if (tool.Verb.empty())
                continue;
            const QString verb = QString::fromUtf8(tool.Verb.data(), tool.Verb.size());
            QVERIFY2(index.contains(QStringLiteral("| maprune-cli ") + verb), qPrintable(id));
            QVERIFY2(RunCli(verb, { QStringLiteral("--help") }).exitCode == 0, qPrintable(verb));
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, menu.Tool("no such tool"));
    }
};

QTEST_MAIN(ToolTableTest)
#include "tool_table_test.moc"
