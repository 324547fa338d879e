// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QDir>

#include <filesystem>

#include "app/map_view_slot.h"
#include "app/program_files.h"
#include "app/window_caption.h"
#include "config/recent_files.h"
#include "core/dialogs.h"
#include "core/install_layout.h"
#include "document/path_text.h"
#include "main_window_harness.h"
#include "model/report.h"

using namespace maprune;

namespace {

const char* const kSaveQuestion = "Der offene Report wurde seit der letzten Änderung nicht "
                                  "gespeichert! Wollen Sie den Report jetzt speichern ?";

QString Native(const QString& path)
{
    return TRecentFilesList::ExpandPath(path);
}

} // namespace

class AutoSaveTest : public QObject {
    Q_OBJECT
private slots:
    void theDatabaseIsSavedOnExitAndOpenedAtTheNextStart()
    {
        MainWindowHarness h;
        const QString sample = SampleFile("sample.cr");
        QVERIFY(h.Start({ sample }));
        h.window->MapView().SetScrollPositions(QPoint(64, 48));
        const size_t regions = h.window->Document().Report()->Regions->Count();
        QVERIFY(h.Close());
        const QString autoSave = ToQString(h.paths.AutoSave);
        // Written through temporary files that are gone afterwards; the
        // alliance file is written on every exit.
        QCOMPARE(QDir(h.folder.path()).entryList(QDir::Files),
            (QStringList { QStringLiteral("maprune.bnd"), QStringLiteral("maprune.kdf") }));
        // The file that was open heads the recently used files.
        QCOMPARE(
            LoadRecentFiles(h.store), std::vector<std::string> { Native(sample).toStdString() });

        h.TakeMessages();
        QVERIFY(h.Start());
        TMainWindow& w = *h.window;
        QVERIFY(h.TakeMessages().empty());
        QVERIFY(w.Document().Report() != nullptr);
        QCOMPARE(w.Document().Report()->Regions->Count(), regions);
        // The automatic save is no document name of the user's.
        QVERIFY(w.Document().FileName().isEmpty());
        QCOMPARE(
            w.windowTitle(), QStringLiteral("Maprune - Die Wüstenfüchse im August des Jahres 17"));
        QCOMPARE(w.MapView().ScrollPositions(), QPoint(64, 48));
        QCOMPARE(w.RecentFiles().List().Files(), QStringList { Native(sample) });

        // Only the automatic save was open: it heads the list after closing.
        QVERIFY(h.Close());
        QCOMPARE(LoadRecentFiles(h.store),
            (std::vector<std::string> {
                Native(autoSave).toStdString(), Native(sample).toStdString() }));
    }

    void withoutAutoSaveAChangedReportIsOfferedForSaving()
    {
        MainWindowHarness h;
        h.settings->NoAutoSave.Set(true);
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.TakeMessages();

        // Unchanged: no question, no automatic save.
        QVERIFY(h.Close());
        QVERIFY(h.TakeMessages().empty());
        QVERIFY(!QFile::exists(ToQString(h.paths.AutoSave)));

        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.window->Document().SetRegionSelected(*(*h.window->Document().Report()->Regions)[0], true);
        h.messages.answers = { ButtonCancel };
        QVERIFY(!h.Close());
        QCOMPARE(h.TakeMessages(), std::vector<std::string> { kSaveQuestion });

        // Yes: the report goes back to the CR it came from, and the window
        // closes.
        h.messages.answers = { ButtonYes };
        QVERIFY(h.Close());
        QCOMPARE(h.TakeMessages(), std::vector<std::string> { kSaveQuestion });
        QFile written(SampleFile("sample.cr"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(written.readLine().startsWith("VERSION 37"));

        // Saved under a database name, changed again, Yes: saved and closed.
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        const QString database = h.File(QStringLiteral("mein.kdf"));
        h.files.saveAs = { database };
        QVERIFY(h.window->Files().SaveFileAs());
        const QDateTime saved = QFileInfo(database).lastModified();
        QTest::qWait(20);
        h.window->Document().SetRegionSelected(*(*h.window->Document().Report()->Regions)[1], true);
        h.messages.answers = { ButtonYes };
        QVERIFY(h.Close());
        QVERIFY(QFileInfo(database).lastModified() > saved);
        QVERIFY(!QFile::exists(ToQString(h.paths.AutoSave)));

        // No: closed without saving.
        QVERIFY(h.Start({ database }));
        h.window->Document().SetRegionSelected(*(*h.window->Document().Report()->Regions)[2], true);
        h.messages.answers = { ButtonNo };
        QVERIFY(h.Close());
        QVERIFY(h.Start({ database }));
        QVERIFY(((*h.window->Document().Report()->Regions)[2]->Tag() & TagSelected) == 0);
    }

    void aFailedAutoSaveAsksBeforeTheChangesAreLost()
    {
        MainWindowHarness h;
        // A folder that does not exist cannot take the automatic save.
        h.paths.AutoSave = h.Path(QStringLiteral("fehlt/maprune.kdf"));
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.TakeMessages();
        h.messages.answers = { ButtonNo };
        QVERIFY(!h.Close());
        const auto asked = h.TakeMessages();
        QCOMPARE(asked.size(), size_t { 1 });
        QVERIFY(asked[0].rfind("Der Report konnte nicht automatisch gesichert werden: ", 0) == 0);
        h.messages.answers = { ButtonYes };
        QVERIFY(h.Close());
    }

    void writableFilesGoBesideTheProgramOrIntoTheUsersFolder()
    {
        QTemporaryDir folder;
        const std::filesystem::path program
            = ToPath(folder.filePath(QStringLiteral("Maprune.exe")));
        const std::filesystem::path fallback = ToPath(folder.filePath(QStringLiteral("daten")));
        QCOMPARE(ToQString(WritableFolder(program, fallback)), folder.path());

        const std::filesystem::path elsewhere
            = ToPath(folder.filePath(QStringLiteral("fehlt/Maprune.exe")));
        QCOMPARE(ToQString(WritableFolder(elsewhere, fallback)),
            folder.filePath(QStringLiteral("daten")));
        QVERIFY(QDir(folder.filePath(QStringLiteral("daten"))).exists());

        const ProgramFiles files = ProgramFiles::In(fallback, program);
        QCOMPARE(ToQString(files.AutoSave), folder.filePath(QStringLiteral("daten/Maprune.kdf")));
        QCOMPARE(ToQString(files.Alliances), folder.filePath(QStringLiteral("daten/Maprune.bnd")));
        QCOMPARE(ToQString(files.Log), folder.filePath(QStringLiteral("daten/Maprune.log")));
    }

    void anInstalledProgramNeverWritesIntoItsOwnTree()
    {
        QTemporaryDir root;
        const std::filesystem::path program
            = ToPath(root.filePath(QStringLiteral("usr/bin/maprune")));
        const std::filesystem::path data = InstalledDataFolder(program);
        std::filesystem::create_directories(program.parent_path());
        std::filesystem::create_directories(data);
        QFile(ToQString(data / "maprune.dat")).open(QIODevice::WriteOnly);
        const std::filesystem::path user = ToPath(root.filePath(QStringLiteral("home/maprune")));
        // Writable (as for root) or read-only: the tree stays untouched.
        QCOMPARE(ToQString(WritableFolder(program, user)), ToQString(user));
        std::filesystem::permissions(program.parent_path(), std::filesystem::perms::owner_write,
            std::filesystem::perm_options::remove);
        QCOMPARE(ToQString(WritableFolder(program, user)), ToQString(user));
        std::filesystem::permissions(program.parent_path(), std::filesystem::perms::owner_write,
            std::filesystem::perm_options::add);
        // A program with its data beside it (a build or portable folder) keeps it there.
        QFile(ToQString(program.parent_path() / "maprune.dat")).open(QIODevice::WriteOnly);
        QCOMPARE(ToQString(WritableFolder(program, user)), ToQString(program.parent_path()));
    }
};

QTEST_MAIN(AutoSaveTest)
#include "autosave_test.moc"
