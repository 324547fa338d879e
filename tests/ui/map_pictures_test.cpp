// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QDir>
#include <QTemporaryDir>

#include <set>

#include "map/hex_geometry.h"
#include "map/ui/render/hexagon_shape.h"
#include "map/ui/render/map_pictures.h"

using namespace maprune;

namespace {

constexpr MapLayout kLayouts[] = { MapLayout::XAxisWestEast, MapLayout::YAxisNorthSouth };

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

std::set<int> EntriesOf(const TPaletteTemplate& picture)
{
    std::set<int> entries;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            entries.insert(picture.EntryAt(x, y));
    return entries;
}

// A 64 x 64 picture that tells its corners apart: white in the top-right
// quarter, red elsewhere, black outside the pointy-top hexagon.
QImage CornerPicture()
{
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y,
                !InsideHexagon(x, y, MapLayout::XAxisWestEast) ? 0xFF000000
                    : (x >= 32 && y < 32)                      ? 0xFFFFFFFF
                                                               : 0xFFC00000);
    return image;
}

} // namespace

class MapPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void builtInHexagonsCoverExactlyTheHexagonOfTheLayout()
    {
        for (MapLayout layout : kLayouts) {
            const TMapPictures pictures(layout);
            for (int t = 0; t < picture::kTerrainCount; ++t) {
                for (int v = 0; v < picture::kVariantCount; ++v) {
                    const QImage& terrain = pictures.Terrain(t, v);
                    QCOMPARE(terrain.size(), QSize(64, 64));
                    for (int y = 0; y < 64; ++y)
                        for (int x = 0; x < 64; ++x)
                            QCOMPARE(Pixel(terrain, x, y) != 0, InsideHexagon(x, y, layout));
                }
            }
            for (int id : { 22, 31, 32, 33, 34, 35, 36, 37 }) {
                const TPaletteTemplate& shape = pictures.Template(id);
                for (int y = 0; y < 64; ++y)
                    for (int x = 0; x < 64; ++x)
                        QCOMPARE(shape.EntryAt(x, y) != 0, InsideHexagon(x, y, layout));
            }
        }
    }

    void templatesUseExactlyTheirPaletteEntries()
    {
        const TMapPictures pictures(MapLayout::XAxisWestEast);
        const TPaletteTemplate& statistic = pictures.Template(22);
        QCOMPARE(EntriesOf(statistic), (std::set<int> { 0, 14, 15 }));
        QCOMPARE(statistic.EntryAt(32, 32), 14);
        QCOMPARE(statistic.EntryAt(32, 0), 15); // the outline at the top corner
        QCOMPARE(statistic.TransparentEntry(), 0);
        for (int n = 1; n <= 7; ++n) {
            std::set<int> expected { 0, 15 };
            for (int i = 1; i <= n; ++i)
                expected.insert(i);
            QCOMPARE(EntriesOf(pictures.Template(30 + n)), expected);
        }
    }

    void variantsAddTheOverlayAndMultiplyWithTheFogMask()
    {
        const TMapPictures pictures(MapLayout::XAxisWestEast);
        const QImage& overlay = pictures.Sprite(picture::kSelectionOverlay).Image();
        const QImage& mask = pictures.FogMask();
        for (int t = 0; t < picture::kTerrainCount; ++t) {
            const QImage& plain = pictures.Terrain(t, 0);
            const QImage& selected = pictures.Terrain(t, 1);
            const QImage& outdated = pictures.Terrain(t, 2);
            const QImage& both = pictures.Terrain(t, 3);
            for (int y = 0; y < 64; ++y) {
                for (int x = 0; x < 64; ++x) {
                    const bool covered = Pixel(overlay, x, y) != 0;
                    const QRgb a = Pixel(plain, x, y);
                    const QRgb b = Pixel(mask, x, y);
                    const QRgb dimmed = qRgb(qRed(a) * qRed(b) / 255, qGreen(a) * qGreen(b) / 255,
                                            qBlue(a) * qBlue(b) / 255)
                        & 0xFFFFFF;
                    QCOMPARE(Pixel(selected, x, y), covered ? Pixel(overlay, x, y) : a);
                    QCOMPARE(Pixel(outdated, x, y), dimmed);
                    QCOMPARE(Pixel(both, x, y), covered ? Pixel(overlay, x, y) : dimmed);
                }
            }
        }
    }

    void streetPiecesAndRouteMarksPointAtTheirNeighbour()
    {
        for (MapLayout layout : kLayouts) {
            const TMapPictures pictures(layout);
            for (int slot = 0; slot < 6; ++slot) {
                const QPointF towards = SlotEdgeMiddle(slot, layout);
                const QPointF away = SlotEdgeMiddle((slot + 3) % 6, layout);
                // A point a quarter of the way from the centre to the edge.
                auto near = [](QPointF edge) {
                    return (QPointF(32, 32) * 1.5 + edge * 2.5).toPoint() / 4;
                };
                for (int first : { picture::kStreetFirst, picture::kRouteMarkFirst }) {
                    const QImage& piece = pictures.Sprite(first + slot).Image();
                    const QPoint in = first == picture::kStreetFirst
                        ? near(towards)
                        : ((QPointF(32, 32) + towards * 2) / 3).toPoint();
                    QVERIFY2(Pixel(piece, in.x(), in.y()) != 0, qPrintable(QString::number(slot)));
                    const QPoint out = near(away);
                    QCOMPARE(Pixel(piece, out.x(), out.y()), 0u);
                }
            }
        }
    }

    void aPictureFileReplacesTheBuiltInPicture()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(CornerPicture().save(second.filePath("1.bmp"), "BMP"));
        QImage other(64, 64, QImage::Format_RGB32);
        other.fill(0xFF00FF00);
        QVERIFY(other.save(second.filePath("2.bmp"), "BMP"));
        QVERIFY(other.save(first.filePath("2.bmp"), "BMP"));

        const TMapPictures pictures(MapLayout::XAxisWestEast, { first.path(), second.path() });
        QCOMPARE(pictures.FromFiles(), (std::vector<int> { 1, 2 }));
        const QImage& sea = pictures.Terrain(0, 0);
        QCOMPARE(Pixel(sea, 20, 40), 0xC00000u);
        // Pure white becomes grey in terrain pictures.
        QCOMPARE(Pixel(sea, 40, 20), 0x808080u);
        QCOMPARE(Pixel(pictures.Terrain(1, 0), 0, 0), 0x00FF00u);
    }

    void terrainFilesAreTransposedForTheOtherLayout()
    {
        QTemporaryDir folder;
        QVERIFY(CornerPicture().save(folder.filePath("1.bmp"), "BMP"));
        const TMapPictures pictures(MapLayout::YAxisNorthSouth, { folder.path() });
        const QImage& sea = pictures.Terrain(0, 0);
        // The white top-right quarter is now the bottom-left one.
        QCOMPARE(Pixel(sea, 20, 40), 0x808080u);
        QCOMPARE(Pixel(sea, 40, 20), 0xC00000u);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                QCOMPARE(Pixel(sea, x, y) != 0, InsideHexagon(x, y, MapLayout::YAxisNorthSouth));
    }

    void unusableFilesArePassedOver()
    {
        QTemporaryDir folder;
        QImage wrongSize(48, 48, QImage::Format_RGB32);
        wrongSize.fill(0xFF00FF00);
        QVERIFY(wrongSize.save(folder.filePath("3.bmp"), "BMP"));
        QImage trueColour(64, 64, QImage::Format_RGB32);
        trueColour.fill(0xFF00FF00);
        QVERIFY(trueColour.save(folder.filePath("22.bmp"), "BMP"));
        QFile broken(folder.filePath("4.bmp"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("BM not a picture");
        broken.close();

        const TMapPictures pictures(MapLayout::XAxisWestEast, { folder.path() });
        QVERIFY(pictures.FromFiles().empty());
        QCOMPARE(EntriesOf(pictures.Template(22)), (std::set<int> { 0, 14, 15 }));
    }

    void aPaletteFileReplacesATemplate()
    {
        QTemporaryDir folder;
        QImage palette(64, 64, QImage::Format_Indexed8);
        QVector<QRgb> table(16, 0xFF000000);
        table[14] = 0xFF112233;
        palette.setColorTable(table);
        palette.fill(0);
        for (int y = 8; y < 56; ++y)
            for (int x = 8; x < 56; ++x)
                palette.setPixel(x, y, 14);
        QVERIFY(palette.save(folder.filePath("22.bmp"), "BMP"));
        const TMapPictures pictures(MapLayout::XAxisWestEast, { folder.path() });
        QCOMPARE(pictures.FromFiles(), (std::vector<int> { 22 }));
        QCOMPARE(pictures.Template(22).EntryAt(30, 30), 14);
        QCOMPARE(pictures.Template(22).EntryAt(2, 2), 0);
    }

    void iconFilesLoseTheirWhite()
    {
        QTemporaryDir folder;
        QImage icon(64, 64, QImage::Format_RGB32);
        icon.fill(0xFFFFFFFF);
        icon.setPixel(10, 10, 0xFF0000FF);
        QVERIFY(icon.save(folder.filePath("17.bmp"), "BMP"));
        const TMapPictures pictures(MapLayout::XAxisWestEast, { folder.path() });
        const QImage& prepared = pictures.Sprite(17).Image();
        QCOMPARE(Pixel(prepared, 0, 0), 0u);
        QCOMPARE(Pixel(prepared, 10, 10), 0x0000FFu);
        QImage tile(64, 64, QImage::Format_RGB32);
        tile.fill(0xFF405060);
        pictures.Sprite(17).DrawOnto(tile);
        QCOMPARE(Pixel(tile, 10, 10), 0x0000FFu);
        QCOMPARE(Pixel(tile, 11, 10), 0x405060u);
    }
};

QTEST_MAIN(MapPicturesTest)
#include "map_pictures_test.moc"
