// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QMimeData>
#include <QUrl>

#include "app/log_window.h"
#include "core/dialogs.h"
#include "main_window_harness.h"
#include "map/ui/overview_window.h"
#include "map/ui/render/map_pictures.h"
#include "model/report.h"

using namespace maprune;

namespace {

// Drops `paths` on `target` as the desktop does, and lets the drop's work
// (started once the drop is over) run.
void Drop(QWidget& target, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls += QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPointF at(target.width() / 2, target.height() / 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
    QVERIFY(drop.isAccepted());
    QTest::qWait(50);
}

// The files whose merging the log names, in its order.
QStringList MergedFiles(const TMainWindow& w)
{
    QStringList files;
    for (const QString& line : w.LogWindow().SessionLines()) {
        if (line.contains(QStringLiteral(": zusammengeführt")))
            files += QFileInfo(line.section(QStringLiteral(": "), 0, 0)).fileName();
    }
    return files;
}

} // namespace

class ReportDropsTest : public QObject {
    Q_OBJECT

    TMapPictures FPictures { MapLayout::XAxisWestEast };

private slots:
    void theCommandLineOpensTheFirstAndAddsTheOthersInTurnOrder()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr"), SampleFile("sample-turn3.cr"),
            SampleFile("sample-turn2.cr") }));
        TMainWindow& w = *h.window;
        QCOMPARE(w.Document().FileName(), SampleFile("sample.cr"));
        QCOMPARE(MergedFiles(w),
            (QStringList { QStringLiteral("sample-turn2.cr"), QStringLiteral("sample-turn3.cr") }));
        QCOMPARE(w.Document().Report()->Turn, 202);
    }

    void dropsOpenOrAddFilesAndFolderReportsAfterOneQuestion()
    {
        MainWindowHarness h;
        h.pictures = &FPictures;
        QVERIFY(h.Start());
        h.TakeMessages();
        TMainWindow& w = *h.window;

        // Without a report the first file opens.
        Drop(w, { SampleFile("sample.cr") });
        QVERIFY(w.Document().Report() != nullptr);
        QCOMPARE(w.Document().FileName(), SampleFile("sample.cr"));

        // A folder on the overview: its reports in turn order, after one
        // question that lists them; No adds nothing.
        QDir().mkpath(h.File(QStringLiteral("post")));
        QVERIFY(QFile::copy(SampleFile("sample-turn3.cr"), h.File(QStringLiteral("post/a.cr"))));
        QVERIFY(QFile::copy(SampleFile("sample-turn2.cr"), h.File(QStringLiteral("post/b.cr"))));
        h.Write(QStringLiteral("post/befehle.txt"), "ERESSEA 1\n");
        auto* overview = w.findChild<TOverviewPanel*>();
        QVERIFY(overview != nullptr);
        h.messages.answers = { ButtonNo };
        Drop(*overview, { h.File(QStringLiteral("post")) });
        const std::vector<std::string> question = h.TakeMessages();
        QCOMPARE(question.size(), size_t { 1 });
        QVERIFY(question[0].find("b.cr (Runde 201)\na.cr (Runde 202)") != std::string::npos);
        QCOMPARE(w.Document().Report()->Turn, 200);

        h.messages.answers = { ButtonYes };
        Drop(*overview->viewport(), { h.File(QStringLiteral("post")) });
        QCOMPARE(MergedFiles(w), (QStringList { QStringLiteral("b.cr"), QStringLiteral("a.cr") }));
        QCOMPARE(w.Document().Report()->Turn, 202);
    }

    void theNewestReportsOfTheFolderAreAdded()
    {
        MainWindowHarness h;
        QDir().mkpath(h.File(QStringLiteral("post")));
        for (const char* name : { "sample.cr", "sample-turn2.cr", "sample-turn3.cr" })
            QVERIFY(QFile::copy(SampleFile(name), h.File(QStringLiteral("post/") + name)));
        h.settings->ReportDir.Set(h.File(QStringLiteral("post")).toStdString());
        QVERIFY(h.Start({ SampleFile("sample-turn2.cr") }));
        h.TakeMessages();
        TMainWindow& w = *h.window;

        w.Menu().AddNewest->trigger();
        QCOMPARE(MergedFiles(w), QStringList { QStringLiteral("sample-turn3.cr") });
        QCOMPARE(w.Document().Report()->Turn, 202);
        // Nothing newer is left: said so, nothing added.
        w.Menu().AddNewest->trigger();
        const std::vector<std::string> said = h.TakeMessages();
        QCOMPARE(said.size(), size_t { 1 });
        QVERIFY(said[0].find("kein Report nach Runde 202") != std::string::npos);
        QCOMPARE(MergedFiles(w).size(), 1);
    }
};

QTEST_MAIN(ReportDropsTest)
#include "report_drops_test.moc"
