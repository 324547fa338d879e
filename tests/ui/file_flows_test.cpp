// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QFileInfo>

#include "app/log_window.h"
#include "app/map_view_slot.h"
#include "core/dialogs.h"
#include "main_window_harness.h"
#include "model/report.h"

using namespace maprune;

namespace {

const char* const kSaveQuestion = "Der offene Report wurde seit der letzten Änderung nicht "
                                  "gespeichert! Wollen Sie den Report jetzt speichern ?";

size_t RegionCount(const TMainWindow& window)
{
    return window.Document().Report()->Regions->Count();
}

QByteArray FileBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FileFlowsTest : public QObject {
    Q_OBJECT
private slots:
    void openingAskedFilesAndTheirFailures()
    {
        MainWindowHarness h;
        h.settings->OpenDir.Set(SAMPLES_DIR);
        QVERIFY(h.Start());
        h.TakeMessages();
        TMainWindow& w = *h.window;

        h.files.toOpen = { SampleFile("sample.cr") };
        w.Menu().Open->trigger();
        QCOMPARE(h.files.startFolders, QStringList { QStringLiteral(SAMPLES_DIR) });
        QVERIFY(w.Document().Report() != nullptr);
        QCOMPARE(w.Document().FileName(), SampleFile("sample.cr"));
        TReport* sample = w.Document().Report();

        // A file of another kind, a missing database and a cancelled dialog
        // leave the open report as it was.
        h.files.toOpen = { h.Write(QStringLiteral("orders.txt"), "PARTEI 1\n"),
            h.File(QStringLiteral("missing.kdf")), QString() };
        w.Menu().Open->trigger();
        QCOMPARE(h.TakeMessages(), std::vector<std::string> { "unbekanntes Dateiformat" });
        w.Menu().Open->trigger();
        const auto missing = h.TakeMessages();
        QCOMPARE(missing.size(), size_t { 1 });
        QVERIFY(missing[0].find("missing.kdf") != std::string::npos);
        w.Menu().Open->trigger();
        QVERIFY(h.TakeMessages().empty());
        QCOMPARE(w.Document().Report(), sample);
        QCOMPARE(w.Document().FileName(), SampleFile("sample.cr"));

        // Extensions count in any case.
        const QString capital = h.File(QStringLiteral("SAMPLE.CR"));
        QVERIFY(QFile::copy(SampleFile("sample.cr"), capital));
        QVERIFY(w.Files().OpenFile(capital));
        QCOMPARE(w.Document().FileName(), capital);
    }

    void aChangedReportIsSavedOnlyWhenTheUserSaysSo()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.TakeMessages();
        TMainWindow& w = *h.window;
        const QString database = h.File(QStringLiteral("world.kdf"));
        h.files.saveAs = { database };
        QVERIFY(w.Files().SaveFileAs());
        QCOMPARE(w.Document().FileName(), database);
        const QDateTime written = QFileInfo(database).lastModified();

        // Selecting a region marks the report as changed.
        w.Document().SetRegionSelected(*(*w.Document().Report()->Regions)[0], true);
        QVERIFY(w.Document().Modified());
        TReport* changed = w.Document().Report();

        h.messages.answers = { ButtonCancel };
        QVERIFY(!w.Files().OpenFile(SampleFile("sample-turn2.cr")));
        QCOMPARE(h.TakeMessages(), std::vector<std::string> { kSaveQuestion });
        QCOMPARE(w.Document().Report(), changed);

        // Yes saves the database first, then opens the other file.
        QTest::qWait(20);
        h.messages.answers = { ButtonYes };
        QVERIFY(w.Files().OpenFile(SampleFile("sample-turn2.cr")));
        QVERIFY(QFileInfo(database).lastModified() > written);
        QCOMPARE(w.Document().FileName(), SampleFile("sample-turn2.cr"));
        QVERIFY(w.Files().OpenFile(database));
        QVERIFY((*w.Document().Report()->Regions)[0]->Tag() & TagSelected);

        // No drops the change.
        w.Document().SetRegionSelected(*(*w.Document().Report()->Regions)[1], true);
        h.messages.answers = { ButtonNo };
        QVERIFY(w.Files().OpenFile(database));
        QVERIFY(!w.Document().Modified());
        QVERIFY(((*w.Document().Report()->Regions)[1]->Tag() & TagSelected) == 0);
    }

    void savingWritesCrAndDatabasesAndKeepsScrollPositions()
    {
        MainWindowHarness h;
        h.settings->SaveDir.Set(SAMPLES_DIR);
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.TakeMessages();
        TMainWindow& w = *h.window;
        const size_t regions = RegionCount(w);

        // The report came from a CR: saving writes it back as a full CR.
        const QByteArray sample = FileBytes(SampleFile("sample.cr"));
        QVERIFY(w.Files().SaveFile());
        QVERIFY(h.TakeMessages().empty());
        const QByteArray saved = FileBytes(SampleFile("sample.cr"));
        QVERIFY(saved.startsWith("VERSION 37\r\n"));
        QVERIFY(saved != sample);

        // Cancelling the dialog saves nothing.
        QVERIFY(!w.Files().SaveFileAs());
        QCOMPARE(h.files.startFolders, QStringList { QStringLiteral(SAMPLES_DIR) });

        w.MapView().SetScrollPositions(QPoint(320, 96));
        const QString database = h.File(QStringLiteral("welt.kdf"));
        h.files.saveAs = { database };
        QVERIFY(w.Files().SaveFileAs());
        QVERIFY(w.windowTitle().endsWith(QStringLiteral(" (%1)").arg(database)));
        QCOMPARE(w.RecentFiles().List().Files().first(),
            TRecentFilesList::ExpandPath(SampleFile("sample.cr")));

        // A database can be saved as CR as well.
        const QString cr = h.File(QStringLiteral("welt.cr"));
        h.files.saveAs = { cr };
        QVERIFY(w.Files().SaveFileAs());
        QVERIFY(h.TakeMessages().empty());
        QVERIFY(QFile::exists(cr));
        QCOMPARE(w.Document().FileName(), cr);
        QVERIFY(!w.Document().Modified());

        // Nor any other name; a save that fails keeps the name and the
        // changed flag.
        w.Document().SetRegionSelected(*(*w.Document().Report()->Regions)[0], true);
        h.files.saveAs = { h.File(QStringLiteral("welt.txt")) };
        QVERIFY(!w.Files().SaveFileAs());
        const auto refused = h.TakeMessages();
        QCOMPARE(refused.size(), size_t { 1 });
        QVERIFY(refused[0].find("*.kdf") != std::string::npos);
        QVERIFY(!QFile::exists(h.File(QStringLiteral("welt.txt"))));
        h.files.saveAs = { h.File(QStringLiteral("kein/ordner.kdf")) };
        QVERIFY(!w.Files().SaveFileAs());
        QCOMPARE(h.TakeMessages().size(), size_t { 1 });
        QCOMPARE(w.Document().FileName(), cr);
        QVERIFY(w.Document().Modified());

        w.MapView().SetScrollPositions(QPoint());
        h.messages.answers = { ButtonNo };
        QVERIFY(w.Files().OpenFile(database));
        QCOMPARE(RegionCount(w), regions);
        QCOMPARE(w.MapView().ScrollPositions(), QPoint(320, 96));
        QVERIFY(w.Files().OpenFile(cr));
        QCOMPARE(RegionCount(w), regions);
    }

    void addingFilesMergesThemAndListsTheFailuresInOneMessage()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.TakeMessages();
        TMainWindow& w = *h.window;
        QSignalSpy freeing(&w.Document(), &TReportDocument::modelObjectsAboutToBeFreed);

        const QString notes = h.Write(QStringLiteral("notes.doc"), "x");
        const QString missing = h.File(QStringLiteral("missing.cr"));
        h.files.toAdd = { { SampleFile("sample-turn2.cr"), notes, missing } };
        w.Menu().Add->trigger();

        const auto messages = h.TakeMessages();
        QCOMPARE(messages.size(), size_t { 1 });
        const QString message = QString::fromStdString(messages[0]);
        QVERIFY(message.startsWith(
            QStringLiteral("Folgende Dateien konnten nicht hinzugefügt werden:")));
        QVERIFY(message.contains(QStringLiteral("notes.doc: unbekanntes Dateiformat")));
        QVERIFY(message.contains(QStringLiteral("missing.cr")));
        QVERIFY(!message.contains(QStringLiteral("sample-turn2.cr")));

        QCOMPARE(w.Document().Report()->Turn, 201);
        QVERIFY(w.Document().Modified());
        QCOMPARE(w.Document().FileName(), SampleFile("sample.cr"));
        QVERIFY(w.windowTitle().contains(QStringLiteral("im September des Jahres 17")));
        QCOMPARE(freeing.count(), 1);
        QVERIFY(w.LogWindow().Text().contains(QStringLiteral("sample-turn2.cr: zusammengeführt")));
        QVERIFY(!w.Busy());

        // An order file of another party: the question, declined.
        h.messages.answers = { ButtonNo };
        w.Files().AddFiles({ QStringLiteral(TEST_DATA_DIR "/merge/other-party-orders.txt") });
        const auto question = h.TakeMessages();
        QCOMPARE(question.size(), size_t { 1 });
        QVERIFY(question[0].rfind("Warnung: Befehlsdatei gehört zu Partei 2", 0) == 0);
    }

    void aReportOfAnotherGameIsAddedOnlyWhenTheUserSaysSo()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.TakeMessages();
        TMainWindow& w = *h.window;
        const size_t regions = RegionCount(w);
        const QString other = QStringLiteral(TEST_DATA_DIR "/merge/other-game.cr");
        QSignalSpy freeing(&w.Document(), &TReportDocument::modelObjectsAboutToBeFreed);

        h.messages.answers = { ButtonNo };
        w.Files().AddFiles({ other });
        QCOMPARE(h.TakeMessages(),
            std::vector<std::string> {
                "Der Report gehört zu einem anderen Spiel (Runenland). Trotzdem hinzufügen?" });
        QCOMPARE(RegionCount(w), regions);
        QVERIFY(!w.Document().Modified());
        QCOMPARE(freeing.count(), 0);
        QVERIFY(w.LogWindow().Text().contains(
            QStringLiteral("other-game.cr: nicht hinzugefügt (anderes Spiel: Runenland)")));

        h.messages.answers = { ButtonYes };
        w.Files().AddFiles({ other });
        QCOMPARE(h.TakeMessages().size(), size_t { 1 });
        QCOMPARE(RegionCount(w), regions + 1);
        QVERIFY(w.Document().Modified());
    }

    void aReportThatCannotBeWrittenBackIsOfferedToBeSavedElsewhere()
    {
        MainWindowHarness h;
        QVERIFY(h.Start());
        TMainWindow& w = *h.window;
        // A CR in a folder that is gone by the time of saving.
        QVERIFY(QDir(h.folder.path()).mkdir(QStringLiteral("post")));
        const QString cr = h.File(QStringLiteral("post/runde.cr"));
        QVERIFY(QFile::copy(SampleFile("sample.cr"), cr));
        QVERIFY(w.Files().OpenFile(cr));
        QVERIFY(QDir(h.File(QStringLiteral("post"))).removeRecursively());
        h.TakeMessages();

        // No keeps the report as it is; Yes leads to the save dialog.
        h.messages.answers = { ButtonNo };
        QVERIFY(!w.Files().SaveFile());
        const auto question = h.TakeMessages();
        QCOMPARE(question.size(), size_t { 1 });
        QVERIFY(question[0].rfind("Der Report konnte nicht gespeichert werden: ", 0) == 0);
        QVERIFY(question[0].find("Report speichern unter...") != std::string::npos);
        QCOMPARE(w.Document().FileName(), cr);

        const QString elsewhere = h.File(QStringLiteral("runde.kdf"));
        h.files.saveAs = { elsewhere };
        h.messages.answers = { ButtonYes };
        QVERIFY(w.Files().SaveFile());
        QVERIFY(QFile::exists(elsewhere));
        QCOMPARE(w.Document().FileName(), elsewhere);
    }

    void adaptationAsksTheUserAmongSeveralShifts()
    {
        MainWindowHarness h;
        h.settings->NoCenterAdaptation.Set(false);
        h.settings->ACA_R_MPA.Set(1);
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.TakeMessages();
        h.shifts.Answer = std::nullopt;
        h.window->Files().AddFiles({ SampleFile("sample-ally.cr") });
        QVERIFY(!h.shifts.Offered.empty());
        QVERIFY(
            h.window->LogWindow().Text().contains(QStringLiteral("sample-ally.cr: abgewiesen")));
        QCOMPARE(h.window->Document().Report()->Turn, 200);
    }
};

QTEST_MAIN(FileFlowsTest)
#include "file_flows_test.moc"
