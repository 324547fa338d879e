// SPDX-License-Identifier: GPL-3.0-or-later
// The changes window on the merged sample turns, as a player uses it, and
// `maprune-cli changes`, which must print the same list.
#include <QtTest>

#include <QAction>
#include <QDockWidget>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>

#include "app/program_commands.h"
#include "cli_process.h"
#include "main_window_harness.h"
#include "model/report.h"
#include "tools/ui/changes_window.h"
#include "tools/ui/colour_list.h"

using namespace maprune;

namespace {

// The list lines of `maprune-cli changes`: headings without their colon,
// changes without indent and category.
QStringList CliLines(const QString& out)
{
    QStringList lines;
    const QStringList printed = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    static const QRegularExpression category(QStringLiteral("^  (\\[[^]]+\\] )?"));
    for (qsizetype i = 1; i < printed.size(); ++i) {
        const QString& line = printed[i];
        lines += line.startsWith(QStringLiteral("  ")) ? QString(line).remove(category)
                                                       : line.chopped(1);
    }
    return lines;
}

} // namespace

class ChangesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowListsWhatTheCliPrintsAndLeadsToTheRegion()
    {
        MainWindowHarness h;
        const QString database = h.File(QStringLiteral("drei.kdf"));
        const CliResult merged = RunCli(QStringLiteral("merge"),
            { database, SampleFile("sample.cr"), SampleFile("sample-turn2.cr"),
                SampleFile("sample-turn3.cr") });
        QCOMPARE(merged.exitCode, 0);
        const CliResult printed = RunCli(QStringLiteral("changes"), { database });
        QCOMPARE(printed.exitCode, 0);
        QVERIFY(printed.out.startsWith(QStringLiteral("Veränderungen von Runde 201 bis 202\n")));

        QVERIFY(h.Start({ database }));
        auto* window = h.window->findChild<TChangesWindow*>();
        QVERIFY(window != nullptr);
        TColourList& list = *window->List();
        // Behind another tab it compares only once shown, by the entry of
        // "Info-Fenster".
        QVERIFY(!window->isVisible());
        QCOMPARE(list.count(), 0);
        auto* entry = h.window->findChild<QAction*>(QStringLiteral("Vernderungen1"));
        QVERIFY(entry != nullptr);
        entry->trigger();
        QVERIFY(
            h.window->findChild<QDockWidget*>(QStringLiteral("ChangesWindowDock"))->isVisible());
        const QStringList shown = Lines(list);
        QVERIFY(shown.size() > 10);
        QCOMPARE(shown, CliLines(printed.out));

        // The JSON form holds the same changes.
        const CliResult json
            = RunCli(QStringLiteral("changes"), { database, QStringLiteral("--json") });
        const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(document.value(QStringLiteral("from")).toInt(), 201);
        QCOMPARE(document.value(QStringLiteral("changes")).toArray().size(),
            qsizetype(window->Changes().size()));

        // The filter keeps the matching changes under their headings.
        const auto placed = std::find_if(window->Changes().begin(), window->Changes().end(),
            [](const TurnChange& c) { return c.Placed; });
        QVERIFY(placed != window->Changes().end());
        const TurnChange& change = *placed;
        window->findChild<QLineEdit*>(QStringLiteral("Filter"))
            ->setText(QString::fromStdString(change.Text));
        QVERIFY(list.count() >= 2);
        QVERIFY(list.count() < shown.size());
        QCOMPARE(list.item(1)->text(), QString::fromStdString(change.Text));

        // A click makes the change's region current.
        emit list.itemClicked(list.item(1));
        const TRegion* current = h.window->Document().CurrentRegion();
        QVERIFY(current != nullptr);
        QCOMPARE(current->CX, change.X);
        QCOMPARE(current->CY, change.Y);

        // Other thresholds from the configuration: the same turns anew.
        window->findChild<QLineEdit*>(QStringLiteral("Filter"))->clear();
        const size_t before = window->Changes().size();
        h.settings->ChangesPeasantsPercent.Set(0);
        h.settings->ChangesPeasantsMinimum.Set(1);
        emit h.window->findChild<TProgramCommands*>()->configured();
        QVERIFY(window->Changes().size() > before);
        QCOMPARE(window->Turns().From, 201);

        // Other turns: the same turn twice lists nothing.
        window->Compare(202, 202);
        QCOMPARE(list.count(), 0);
    }
};

QTEST_MAIN(ChangesWindowTest)
#include "changes_window_test.moc"
