// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QMenu>

#include "app/recent_files_list.h"
#include "config/recent_files.h"
#include "main_window_harness.h"

using namespace maprune;

namespace {

QString Name(int i)
{
    return QStringLiteral("/welt/Runde%1.cr").arg(i);
}

TRecentFilesList PlainList()
{
    return TRecentFilesList([](const QString& path) { return path; });
}

} // namespace

class RecentFilesTest : public QObject {
    Q_OBJECT
private slots:
    void theListKeepsEightFilesMostRecentFirst()
    {
        TRecentFilesList list = PlainList();
        for (int i = 1; i <= 8; ++i)
            list.AddToRecent(Name(i));
        QCOMPARE(list.Files().size(), 8);
        QCOMPARE(list.Files().first(), Name(8));

        // A ninth distinct file drops the oldest.
        list.AddToRecent(Name(9));
        QCOMPARE(list.Files().size(), 8);
        QCOMPARE(list.Files().first(), Name(9));
        QVERIFY(!list.Files().contains(Name(1)));

        // The file at position 3 moves to the top, whatever its case; the
        // top entry stays where it is.
        list.AddToRecent(Name(7).toUpper());
        QCOMPARE(list.Files().mid(0, 3), (QStringList { Name(7), Name(9), Name(8) }));
        list.AddToRecent(Name(7));
        QCOMPARE(list.Files().size(), 8);
        QCOMPARE(list.Files().first(), Name(7));
    }

    void theOpenFileIsNeverListed()
    {
        TRecentFilesList list = PlainList();
        list.SetFiles({ Name(1), Name(2) });
        list.PushPrevious(Name(2));
        QCOMPARE(list.Files(), QStringList { Name(1) });
        QCOMPARE(list.PreviousFile(), Name(2));

        // Opening another file lists the one opened before at the top.
        list.PushPrevious(Name(3));
        QCOMPARE(list.Files(), (QStringList { Name(2), Name(1) }));
        // Saving under the same name changes nothing.
        list.PushPrevious(Name(3));
        QCOMPARE(list.Files(), (QStringList { Name(2), Name(1) }));
        // Closing lists the open file first.
        list.PushPrevious(QString());
        QCOMPARE(list.Files(), (QStringList { Name(3), Name(2), Name(1) }));
        QVERIFY(list.PreviousFile().isEmpty());
    }

    void pathsAreKeptInFullForm()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("Welt.cr")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString roundabout = folder.path() + QStringLiteral("/./x/../Welt.cr");
        QCOMPARE(TRecentFilesList::ExpandPath(roundabout),
            QDir::toNativeSeparators(QFileInfo(file).canonicalFilePath()));
        QVERIFY(QDir::isAbsolutePath(TRecentFilesList::ExpandPath(QStringLiteral("fehlt.cr"))));
    }

    void theMenuListsTheFilesAndOpensTheChosenOne()
    {
        MainWindowHarness h;
        const QString turn2 = TRecentFilesList::ExpandPath(SampleFile("sample-turn2.cr"));
        const QString ally = TRecentFilesList::ExpandPath(SampleFile("sample-ally.cr"));
        SaveRecentFiles(h.store, { turn2.toStdString(), ally.toStdString() });
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow& w = *h.window;

        QList<QAction*> entries;
        for (QAction* entry : w.Menu().Program->actions()) {
            if (entry->objectName().startsWith(QStringLiteral("RecentFile")))
                entries += entry;
        }
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->text(), QStringLiteral("&1 ") + turn2);
        QCOMPARE(entries[1]->text(), QStringLiteral("&2 ") + ally);
        QVERIFY(w.Menu().Program->actions().indexOf(entries[0])
            > w.Menu().Program->actions().indexOf(w.Menu().Quit) + 1);

        entries[1]->trigger();
        QCOMPARE(w.Document().FileName(), ally);
        QCOMPARE(w.RecentFiles().List().Files(),
            (QStringList { TRecentFilesList::ExpandPath(SampleFile("sample.cr")), turn2 }));
        QCOMPARE(w.Menu().Program->actions().last()->text(), QStringLiteral("&2 ") + turn2);

        // On exit the list is written anew, with the open file on top.
        QVERIFY(h.Close());
        QCOMPARE(LoadRecentFiles(h.store),
            (std::vector<std::string> { ally.toStdString(),
                TRecentFilesList::ExpandPath(SampleFile("sample.cr")).toStdString(),
                turn2.toStdString() }));
    }
};

QTEST_MAIN(RecentFilesTest)
#include "recent_files_test.moc"
