// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/log_window.h"
#include "app/mpa_window.h"
#include "app/origin_window.h"
#include "app/reading_warnings_label.h"
#include "config/ui/config_window.h"
#include "document/path_text.h"
#include "main_window_harness.h"
#include "model/report.h"

using namespace maprune;

namespace {

// Runs `act` on the active modal dialog once it is shown.
template <typename Dialog> void WhenShown(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        act(*dialog);
    });
}

TRegion* RegionAt(TReport& report, int x, int y, int z)
{
    for (TRegion* region : *report.Regions) {
        if (region->CX == x && region->CY == y && region->CZ == z)
            return region;
    }
    return nullptr;
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void settingTheOriginMovesTheActiveLayer()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow& w = *h.window;
        TReport& report = *w.Document().Report();
        TRegion* chosen = RegionAt(report, 3, 2, 0);
        TRegion* other = RegionAt(report, 0, 0, 0);
        TRegion* below = (*report.Regions)[report.Regions->Count() - 1];
        QVERIFY(chosen && other && below->CZ == 1);
        const int belowX = below->CX;

        // Without a selected region the player is told what it takes.
        h.TakeMessages();
        w.Menu().SetOrigin->trigger();
        const auto told = h.TakeMessages();
        QCOMPARE(told.size(), size_t { 1 });
        QVERIFY(told[0].find("zuerst eine Region") != std::string::npos);
        QVERIFY(w.findChild<TOriginWindow*>() == nullptr);

        chosen->SetTag(TagSelected);

        // Closing the window changes nothing.
        WhenShown<TOriginWindow>([](TOriginWindow& window) { window.reject(); });
        w.Menu().SetOrigin->trigger();
        QCOMPARE(chosen->CX, 3);

        // The one selected region presets the fields and becomes (0, 0).
        QSpinBox* x = nullptr;
        WhenShown<TOriginWindow>([&x](TOriginWindow& window) {
            x = window.XField();
            QCOMPARE(window.windowTitle(), QStringLiteral("Ursprung"));
            QCOMPARE(window.XField()->value(), 3);
            QCOMPARE(window.YField()->value(), 2);
            QCOMPARE(window.XField()->minimum(), -999);
            QCOMPARE(window.SetButton()->text(), QStringLiteral("setzen"));
            window.SetButton()->click();
        });
        w.Menu().SetOrigin->trigger();
        QVERIFY(x != nullptr);
        QCOMPARE(chosen->CX, 0);
        QCOMPARE(chosen->CY, 0);
        QCOMPARE(other->CX, -3);
        QCOMPARE(other->CY, -2);
        QCOMPARE(below->CX, belowX);
        QVERIFY(w.Document().Modified());

        // Without one selected region the fields keep their values; (0, 0)
        // changes nothing.
        other->SetTag(TagSelected);
        WhenShown<TOriginWindow>([](TOriginWindow& window) {
            QCOMPARE(window.XField()->value(), 3);
            window.XField()->setValue(0);
            window.YField()->setValue(0);
            window.SetButton()->click();
        });
        w.Menu().SetOrigin->trigger();
        QCOMPARE(other->CX, -3);
    }

    void theConfigurationDialogIsReachedFromTheMenu()
    {
        MainWindowHarness h;
        QVERIFY(h.Start());
        bool shown = false;
        WhenShown<TConfigWindow>([&shown](TConfigWindow& dialog) {
            shown = true;
            dialog.reject();
        });
        h.window->Menu().Configure->trigger();
        QVERIFY(shown);
    }

    void theUserPicksOneOfSeveralShifts()
    {
        TMPAWindow window;
        QCOMPARE(window.windowTitle(),
            QStringLiteral("mehrere Koordinatenursprungsanpassungsmöglichkeiten gefunden"));
        const std::vector<ScoredShift> shifts { { { 3, -2 }, 17 }, { { 0, 0 }, 5 } };

        WhenShown<TMPAWindow>([](TMPAWindow& dialog) {
            QCOMPARE(dialog.List()->count(), 2);
            QCOMPARE(dialog.List()->item(0)->text(),
                QStringLiteral("Verschiebung x: 3; y: -2; 17 Übereinstimmungen"));
            QCOMPARE(dialog.List()->currentRow(), 0);
            QVERIFY(dialog.OkButton()->isEnabled());
            dialog.List()->setCurrentRow(1);
            dialog.OkButton()->click();
        });
        QCOMPARE(window.ChooseShift(shifts), std::optional<size_t> { 1 });

        WhenShown<TMPAWindow>([](TMPAWindow& dialog) { dialog.CancelButton()->click(); });
        QCOMPARE(window.ChooseShift(shifts), std::nullopt);

        WhenShown<TMPAWindow>([](TMPAWindow& dialog) {
            QVERIFY(!dialog.OkButton()->isEnabled());
            dialog.reject();
        });
        QCOMPARE(window.ChooseShift({}), std::nullopt);
    }

    void theLogShowsTheFileAndKeepsTheNewestLines()
    {
        QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("maprune.log"));
        TLogWindow log;
        log.ReadLogFile(ToPath(name)); // missing: ignored
        QVERIFY(log.Text().isEmpty());

        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("alt 1\r\nalt 2\r\n");
        file.close();
        log.AddLines({ QStringLiteral("neu 1") });
        log.ReadLogFile(ToPath(name));
        // Lines of this run carry the date and time.
        const QRegularExpression dated(
            QStringLiteral("^alt 1\nalt 2\n\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d neu 1$"));
        QVERIFY2(dated.match(log.Text()).hasMatch(), qPrintable(log.Text()));

        log.WriteLogFile(ToPath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QVERIFY(written.startsWith("alt 1\r\nalt 2\r\n"));
        QVERIFY(written.endsWith(" neu 1\r\n"));
        file.close();

        // A run keeps all its lines, in the window and in the file.
        QStringList many;
        for (int i = 0; i < 6000; ++i)
            many += QStringLiteral("Zeile %1").arg(i);
        TLogWindow next;
        next.AddLines(many);
        QCOMPARE(next.Text().count(QLatin1Char('\n')), 5999);
        next.WriteLogFile(ToPath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 3 + 6000 + 1);
        QVERIFY(lines[3].endsWith(" Zeile 0\r"));
    }

    void crWarningsReachTheLog()
    {
        MainWindowHarness h;
        const QString odd = h.Write(QStringLiteral("odd.cr"),
            "VERSION 36\n200;Runde\nPARTEI 1\n200;Runde\n\"Menschen\";Typus\n7;Unsinn\n"
            "REGION 0 0\n\"Ebene\";Terrain\n");
        QVERIFY(h.Start({ odd }));
        QVERIFY(h.window->Document().Report() != nullptr);
        QVERIFY(!h.window->LogWindow().SessionLines().isEmpty());
        QVERIFY(h.window->LogWindow().SessionLines().first().contains(
            QStringLiteral(" odd.cr, Zeile 6: ")));
        // The status bar tells of the warnings; a click shows the log.
        auto* note = h.window->findChild<TReadingWarningsLabel*>();
        QVERIFY(note != nullptr);
        QVERIFY(note->isVisible());
        const auto shown
            = [note] { return note->text().remove(QRegularExpression(QStringLiteral("<[^>]*>"))); };
        QCOMPARE(h.window->LogWindow().SessionLines().size(), 1);
        QCOMPARE(shown(), QStringLiteral("1 Warnung beim Lesen – siehe Log-Datei"));
        note->ShowCount(3);
        QCOMPARE(shown(), QStringLiteral("3 Warnungen beim Lesen – siehe Log-Datei"));
        QTest::mouseClick(note, Qt::LeftButton);
        QVERIFY(h.window->LogWindow().isVisible());
        // A report read without warnings takes the note away, and so the
        // region text of the former report.
        h.window->ShowHint(QStringLiteral("Ebene von Alpha (0,0)"));
        QVERIFY(h.window->Files().OpenFile(SampleFile("sample.cr")));
        QVERIFY(!note->isVisible());
        QVERIFY(h.window->findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text().isEmpty());
        QVERIFY(h.Close());
        QVERIFY(QFile::exists(ToQString(h.paths.Log)));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
