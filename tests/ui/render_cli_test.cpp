// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QTemporaryDir>

#include "cli_process.h"
#include "core/dialogs.h"
#include "core/program_path.h"
#include "core/progress.h"
#include "map/map_colouring.h"
#include "map/map_navigation.h"
#include "map/map_state.h"
#include "map/ui/render/layer_picture.h"
#include "map/ui/render/map_pictures.h"
#include "map/ui/render/tile_renderer.h"
#include "model/report.h"
#include "report/cr_reader.h"

using namespace maprune;

namespace {

const QString kSample = QStringLiteral(MAPRUNE_SAMPLES_DIR "/sample.cr");

} // namespace

// maprune-cli render draws a whole layer with the map's renderer.
class RenderCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    static CliResult Cli(const QStringList& arguments)
    {
        return RunCli(QStringLiteral("render"), arguments);
    }

    std::unique_ptr<TReport> ReadSample()
    {
        SilentDialogs dialogs;
        NullProgress progress;
        return ReadCRFile(kSample.toStdString(), dialogs, progress, nullptr);
    }

    QString WriteReport(const QString& name, const QByteArray& text)
    {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the test report");
        file.write(text);
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        SetProgramPath(QCoreApplication::applicationFilePath().toStdString());
    }

    void theSampleLayerAsOnePictureOfTheMap()
    {
        const QString out = folder.filePath("karte.png");
        const CliResult result = Cli({ kSample, out });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, out + QStringLiteral(": 992 × 736 Pixel, Ebene 0\n"));
        const QImage written(out);
        QCOMPARE(written.size(), QSize(992, 736));

        // The same picture as the renderer draws here.
        std::unique_ptr<TReport> report = ReadSample();
        const TMapPictures pictures(MapLayout::XAxisWestEast);
        SilentDialogs dialogs;
        TTileRenderer tiles(pictures, dialogs);
        TMapState state(*report);
        const QImage expected = RenderLayerPicture(state, tiles);
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32), expected);

        // Zoomed as the map zooms: tiles of 32 pixels halve the picture.
        const QString zoomed = folder.filePath("klein.png");
        QCOMPARE(Cli({ kSample, zoomed, QStringLiteral("--zoom"), QStringLiteral("32") }).exitCode, 0);
        QCOMPARE(QImage(zoomed).size(), QSize(496, 368));
        TileOptions options;
        options.TileSize = 32;
        tiles.SetOptions(options);
        QCOMPARE(QImage(zoomed).convertToFormat(QImage::Format_RGB32),
            RenderLayerPicture(state, tiles));
        QVERIFY(Cli({ kSample, zoomed, QStringLiteral("--zoom"), QStringLiteral("200") }).exitCode != 0);
    }

    void aDatabaseRendersLikeItsReport()
    {
        const QString database = folder.filePath("sample.kdf");
        QCOMPARE(RunCli(QStringLiteral("convert"), { kSample, database }).exitCode, 0);
        const QString fromReport = folder.filePath("cr.png");
        const QString fromDatabase = folder.filePath("kdf.png");
        QCOMPARE(Cli({ kSample, fromReport, "--mode", "pol" }).exitCode, 0);
        QCOMPARE(Cli({ database, fromDatabase, "--mode", "pol" }).exitCode, 0);
        QCOMPARE(QImage(fromDatabase), QImage(fromReport));
    }

    void aStatisticMapOfAnotherLayer()
    {
        const QString out = folder.filePath("bauern.png");
        const CliResult result
            = Cli({ kSample, out, "--layer", "1", "--mode", "stat:bauern", "--no-fog" });
        QCOMPARE(result.exitCode, 0);
        std::unique_ptr<TReport> report = ReadSample();
        QVERIFY(SwitchLayer(*report, 1));
        TMapState state(*report);
        MapColouring colouring;
        colouring.ReportLoaded(*report);
        colouring.SetStatistic(state, StatisticKind::Peasants);
        MapViewState view;
        RebuildView(state, view);
        const QImage written(out);
        QCOMPARE(written.size(), QSize(int(view.Extent.MapWidth), int(view.Extent.MapHeight)));
        for (const TRegion* region : *report->Regions) {
            if (region->CZ != 1)
                continue;
            const MapPoint corner
                = MapToScreen(view, RegionToMapPixel(region->CX, region->CY, view.Layout));
            QCOMPARE(written.pixel(int(corner.X) + 32, int(corner.Y) + 52) & 0xFFFFFF,
                QRgb(state.Colours(*region).MapColor));
        }
    }

    void farApartRegionsAreDrawnSmallerOrRefused()
    {
        // Too wide for tiles of 64 pixels: drawn with smaller ones, and said so.
        const QString apart = WriteReport("auseinander.cr",
            "VERSION 36\n\"Kelvaran\";Spiel\n36;Basis\n200;Runde\n"
            "REGION 0 0\n\"Ebene\";Terrain\nREGION 300 0\n\"Ebene\";Terrain\n");
        const QString smaller = folder.filePath("kleiner.png");
        CliResult result = Cli({ apart, smaller });
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(QStringLiteral("(verkleinert auf Kachelgröße ")),
            qPrintable(result.out));
        const QImage written(smaller);
        QVERIFY(!written.isNull() && written.width() <= 16384);

        // Beyond what even the smallest tiles can hold: refused.
        const QString report = WriteReport("weit.cr",
            "VERSION 36\n\"Kelvaran\";Spiel\n36;Basis\n200;Runde\n"
            "REGION -100000000 0\n\"Ebene\";Terrain\nREGION 100000000 0\n\"Ebene\";Terrain\n");
        const QString out = folder.filePath("weit.png");
        result = Cli({ report, out });
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(
            result.err.contains(QStringLiteral(
                "Die Karte der Ebene 0 wäre 800000004 × 4 Pixel groß, auch mit der kleinsten")),
            qPrintable(result.err));
        QVERIFY(!QFile::exists(out));
    }

    void wrongChoicesAreRefused()
    {
        const QString out = folder.filePath("nichts.png");
        CliResult result = Cli({ kSample, out, "--layer", "7" });
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(QStringLiteral("Der Report hat keine Ebene 7.")));
        result = Cli({ kSample, out, "--mode", "stat:Gold" });
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(QStringLiteral("Unbekannte Statistik \"Gold\"")));
        QVERIFY(result.err.contains(QStringLiteral("freie Arbeitsplätze (anteilig)")));
        result = Cli({ kSample, out, "--mode", "bunt" });
        QCOMPARE(result.exitCode, 1);
        result = Cli({ kSample, folder.filePath("fehlt/karte.png") });
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(QStringLiteral("konnte nicht nach")));
        // A report as read has no selection to draw.
        result = Cli({ kSample, out, "--selection" });
        QCOMPARE(result.exitCode, 1);
        QVERIFY(
            result.err.contains(QStringLiteral("Auf der Ebene 0 ist keine Region ausgewählt.")));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_MAIN(RenderCliTest)
#include "render_cli_test.moc"
