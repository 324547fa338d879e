// SPDX-License-Identifier: GPL-3.0-or-later
// The orders editor that knows the game, on the sample world: findings
// underlined with their message, the unit's line marked, the checker's
// messages at their lines, completion, and "Alle Befehle" taking its text
// into the units through the history.
#include <QtTest>

#include <QAbstractItemView>
#include <QCompleter>
#include <QPlainTextEdit>
#include <QUndoStack>

#include "app/info/region_window.h"
#include "core/text_encoding.h"
#include "main_window_harness.h"
#include "model/lines.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/ui/all_orders_window.h"
#include "orders/ui/order_assist.h"
#include "orders/ui/unit_command_window.h"
#include "tools/ui/colour_list.h"

using namespace maprune;

namespace {

// The current region's first own unit, chosen in the region window.
int ChooseOwnUnit(TMainWindow& w)
{
    TRegionWindow& regions = w.RegionWindow();
    auto* units = regions.findChild<TColourList*>(QStringLiteral("ListBox2"));
    for (int row = 0; row < units->count(); ++row) {
        if (regions.UnitAt(row)->IsOwn()) {
            units->setCurrentRow(row);
            return row;
        }
    }
    return -1;
}

bool StartOnOwnUnit(MainWindowHarness& h)
{
    if (!h.Start({ SampleFile("sample.cr") }))
        return false;
    TReportDocument& document = h.window->Document();
    for (TRegion* region : *document.Report()->Regions) {
        for (const TUnit* unit : *region->Units) {
            if (unit->IsOwn() && region->CZ == document.Report()->ActiveLayer) {
                document.SetCurrentRegion(region);
                return ChooseOwnUnit(*h.window) >= 0;
            }
        }
    }
    return false;
}

QStringList OrdersOf(const TUnit& unit)
{
    QStringList lines;
    for (const std::string& line : unit.Commands->Lines())
        lines += QString::fromStdString(DisplayText(line));
    return lines;
}

} // namespace

class OrderAssistTest : public QObject {
    Q_OBJECT
private slots:
    void findingsAreUnderlinedMarkedCompletedAndTheCheckersMessagesStandAtTheirLines()
    {
        MainWindowHarness h;
        QVERIFY(StartOnOwnUnit(h));
        TMainWindow& w = *h.window;
        TUnitCommandWindow& orders = w.CommandWindow();
        TOrderAssist& assist = orders.Assist();
        QPlainTextEdit& editor = *orders.Editor();

        editor.setPlainText(QStringLiteral("FLIEGE hoch\nLERNE Hiebwaffen\nNACH o xy"));
        assist.Recheck();
        QCOMPARE(assist.Findings().size(), size_t { 2 });
        QCOMPARE(editor.extraSelections().size(), 2);
        QVERIFY(assist.MessagesAt(0, 2).startsWith(QStringLiteral("Fehler: Unbekannter Befehl")));
        QVERIFY(assist.MessagesAt(1, 2).isEmpty());
        QVERIFY(assist.MessagesAt(2, 8).contains(QStringLiteral("Unbekannte Richtung")));
        auto* units = w.RegionWindow().findChild<TColourList*>(QStringLiteral("ListBox2"));
        QVERIFY(!units->item(units->currentRow())->icon().isNull());
        QVERIFY(units->item(units->currentRow())->toolTip().contains(QStringLiteral("2 Fehler")));

        // The checker's message about the second order.
        TUnit* unit = w.RegionWindow().UnitAt(units->currentRow());
        CheckerResults results;
        CheckerEntry entry;
        entry.Text = "Fehler: Talent zu niedrig";
        entry.Level = CheckerLevel::Error;
        entry.Link = { nullptr, unit, 1 };
        results.Entries.push_back(entry);
        orders.ShowCheckerMessages(results);
        QVERIFY(assist.MessagesAt(1, 0).contains(QStringLiteral("KCheck: Fehler: Talent")));

        // Completion of the command word, then of a talent after it.
        editor.setPlainText(QStringLiteral("LER"));
        editor.moveCursor(QTextCursor::End);
        QVERIFY(assist.Complete());
        QCOMPARE(assist.Completer().completionModel()->index(0, 0).data().toString(),
            QStringLiteral("LERNE <Talent>"));
        emit assist.Completer().activated(assist.Completer().completionModel()->index(0, 0));
        QCOMPARE(editor.toPlainText(), QStringLiteral("LERNE"));
        editor.moveCursor(QTextCursor::End);
        QTest::keyClicks(&editor, QStringLiteral(" rei"));
        QVERIFY(assist.Complete());
        emit assist.Completer().activated(assist.Completer().completionModel()->index(0, 0));
        QCOMPARE(editor.toPlainText(), QStringLiteral("LERNE Reiten"));
        QCOMPARE(OrdersOf(*unit), QStringList { QStringLiteral("LERNE Reiten") });
    }

    void allOrdersGoToTheUnitsAsOneStepAndComeBackWithTheUndo()
    {
        MainWindowHarness h;
        QVERIFY(StartOnOwnUnit(h));
        TReportDocument& document = h.window->Document();
        TAllOrdersWindow window(document);
        window.show();
        QPlainTextEdit& editor = *window.Editor();
        QStringList lines = editor.toPlainText().split(QLatin1Char('\n'));
        const int first = static_cast<int>(lines.indexOf(QRegularExpression("^EINHEIT .*")));
        QVERIFY(first > 0);
        const int second
            = static_cast<int>(lines.indexOf(QRegularExpression("^EINHEIT .*"), first + 1));
        QVERIFY(second > first);
        TUnit* unit = nullptr;
        for (TRegion* region : *document.Report()->Regions)
            for (TUnit* candidate : *region->Units)
                if (candidate->IsOwn() && unit == nullptr)
                    unit = candidate;
        const QStringList before = OrdersOf(*unit);
        lines.insert(second + 1, QStringLiteral("REKRUTIERE 2"));
        lines.insert(first + 1, QStringLiteral("ARBEITE"));
        editor.setPlainText(lines.join(QLatin1Char('\n')));
        const int steps = document.UndoStack().count();
        window.Apply();
        QCOMPARE(document.UndoStack().count(), steps + 1);
        QCOMPARE(OrdersOf(*unit), QStringList { QStringLiteral("ARBEITE") } + before);
        document.UndoStack().undo();
        QCOMPARE(OrdersOf(*unit), before);
        QVERIFY(!editor.toPlainText().contains(QStringLiteral("ARBEITE\n")));

        // Hidden, the window catches up only when it is shown again.
        window.hide();
        document.UndoStack().redo();
        QVERIFY(!editor.toPlainText().contains(QStringLiteral("ARBEITE\n")));
        window.show();
        QVERIFY(editor.toPlainText().contains(QStringLiteral("ARBEITE\n")));
    }
};

QTEST_MAIN(OrderAssistTest)
#include "order_assist_test.moc"
