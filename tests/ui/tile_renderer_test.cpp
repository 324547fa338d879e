// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <set>

#include "map/hex_geometry.h"
#include "map/test_world.h"
#include "map/tile_text.h"
#include "map/ui/render/map_pictures.h"
#include "map/ui/render/tile_renderer.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using maprune::maptest::TestWorld;
using maprune::test::ScriptedDialogs;

namespace {

constexpr int kPlains = 1;

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

bool Dark(QRgb c)
{
    return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40;
}

bool Light(QRgb c)
{
    return qRed(c) > 215 && qGreen(c) > 215 && qBlue(c) > 215;
}

// The pixels of the tile that the sprite draws.
std::vector<QPoint> SpritePixels(const TMapPictures& pictures, int id)
{
    std::vector<QPoint> points;
    const QImage& image = pictures.Sprite(id).Image();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (Pixel(image, x, y) != 0)
                points.push_back({ x, y });
    return points;
}

bool ShowsSprite(const QImage& tile, const TMapPictures& pictures, int id)
{
    const QImage& image = pictures.Sprite(id).Image();
    for (const QPoint& p : SpritePixels(pictures, id))
        if (Pixel(tile, p.x(), p.y()) != Pixel(image, p.x(), p.y()))
            return false;
    return true;
}

} // namespace

class TileRendererTest : public QObject {
    Q_OBJECT

    TMapPictures pictures { MapLayout::XAxisWestEast };
    ScriptedDialogs dialogs;
    TTileRenderer renderer { pictures, dialogs };
    QImage tile { 64, 64, QImage::Format_RGB32 };

    QImage Render(TRegion& region, const TileOptions& options, bool current = false,
        const RegionColours& colours = {})
    {
        renderer.SetOptions(options);
        renderer.RenderTile(region, colours, current, tile);
        return tile.copy();
    }

private slots:
    void textStyleFourGivesTheBlackTextAWhiteHalo()
    {
        TestWorld world;
        TRegion& region = world.AddRegion(0, 0);
        region.Bitmap_ = kPlains;
        region.Name = "Mühlwald";
        TileOptions options;
        options.FowMode = 1;
        const QImage plain = Render(region, options);
        options.TextStyle = 4;
        const QImage halo = Render(region, options);

        int black = 0;
        int white = 0;
        for (int y = 1; y < 63; ++y) {
            for (int x = 1; x < 63; ++x) {
                QVERIFY(!Light(Pixel(plain, x, y)));
                if (Light(Pixel(halo, x, y)))
                    ++white;
                if (!Dark(Pixel(halo, x, y)) || !InsideHexagon(x, y, MapLayout::XAxisWestEast))
                    continue;
                ++black;
                // Each black text pixel is bordered by text or halo on all four
                // sides, never by the plain ground.
                for (QPoint d : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) }) {
                    const QRgb beside = Pixel(halo, x + d.x(), y + d.y());
                    QVERIFY2(beside != Pixel(plain, 1, 1) || Dark(beside),
                        qPrintable(QString("%1,%2").arg(x).arg(y)));
                    QVERIFY(beside != pictures.Terrain(kPlains, 0).pixel(32, 32));
                }
            }
        }
        QVERIFY(black > 20);
        QVERIFY(white > black);
    }

    void textStylesDrawTheirColours()
    {
        TestWorld world;
        TRegion& region = world.AddRegion(5, -2);
        region.Bitmap_ = kPlains;
        TileOptions options;
        options.FowMode = 1;
        const QImage ground = pictures.Terrain(kPlains, 0);
        auto count = [&](const QImage& image, bool (*test)(QRgb)) {
            int n = 0;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x)
                    n += InsideHexagon(x, y, MapLayout::XAxisWestEast) && test(Pixel(image, x, y))
                        ? 1
                        : 0;
            return n;
        };
        options.TextStyle = 1;
        const QImage white = Render(region, options);
        QVERIFY(count(white, Light) > 10);
        QCOMPARE(count(white, Dark), count(ground, Dark));
        options.TextStyle = 0;
        QVERIFY(count(Render(region, options), Dark) > 10);
    }

    void aTextWrittenAgainOverOtherGroundLooksAsAFreshOne()
    {
        // The painter keeps what a text does to a tile; it must not keep the
        // ground it was first written over.
        TestWorld world;
        TRegion& region = world.AddRegion(7, -3);
        region.Name = "Mühlwald";
        TileOptions options;
        options.Mode = MapMode::Statistic;
        RegionColours first;
        first.MapColor = 0x204060;
        RegionColours second;
        second.MapColor = 0xC0A080;
        for (int32_t style = 0; style < kTextStyleCount; ++style) {
            options.TextStyle = style;
            Render(region, options, false, first);
            const QImage again = Render(region, options, false, second);
            TTileRenderer fresh { pictures, dialogs };
            fresh.SetOptions(options);
            QImage freshTile { 64, 64, QImage::Format_RGB32 };
            fresh.RenderTile(region, second, false, freshTile);
            QCOMPARE(again, freshTile);
        }
    }

    void withoutTextNothingIsWritten()
    {
        TestWorld world;
        TRegion& region = world.AddRegion(3, 4);
        region.Bitmap_ = kPlains;
        TileOptions options;
        options.FowMode = 1;
        options.HideCoordinates = true;
        options.TextStyle = 4;
        QCOMPARE(Render(region, options), pictures.Terrain(kPlains, 0));
    }

    void statisticTemplateShowsMapColorAndOutline()
    {
        TestWorld world;
        TRegion& region = world.AddRegion(0, 0);
        RegionColours colours;
        colours.MapColor = 0x123456;
        TileOptions options;
        options.Mode = MapMode::Statistic;
        options.HideCoordinates = true;
        QImage image = Render(region, options, false, colours);
        QCOMPARE(Pixel(image, 32, 32), 0x123456u);
        QCOMPARE(Pixel(image, 32, 0), 0x808080u);
        QCOMPARE(Pixel(image, 0, 63), 0u);
        region.SetTag(TagSelected);
        image = Render(region, options, false, colours);
        QCOMPARE(Pixel(image, 32, 0), 0xFFFFFFu);
        QCOMPARE(Pixel(image, 32, 32), 0x123456u);
    }

    void tenPartiesShowTheSevenLargestShares()
    {
        TestWorld world;
        TRegion& region = world.AddRegion(0, 0);
        RegionColours colours;
        std::set<QRgb> expected;
        for (int i = 0; i < 10; ++i) {
            const Rgb colour = 0x100000 * static_cast<Rgb>(i + 1) + 0x30;
            colours.PoliticShares.AddShare(colour, 100 - i, "Partei " + std::to_string(i), 7);
            if (i < 7)
                expected.insert(colour);
        }
        TileOptions options;
        options.Mode = MapMode::Political;
        options.HideCoordinates = true;
        renderer.SetOptions(options);
        renderer.DrawPicture(region, colours, tile);
        std::set<QRgb> shown;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                if (InsideHexagon(x, y, MapLayout::XAxisWestEast))
                    shown.insert(Pixel(tile, x, y));
        shown.erase(0x808080);
        QCOMPARE(shown, expected);
    }

    void iconsStreetsRouteMarksAndMarker()
    {
        TestWorld world;
        world.Report().ActiveParty = 7;
        TRegion& region = world.AddRegion(0, 0);
        TRegion& east = world.AddRegion(1, 0);
        region.Bitmap_ = east.Bitmap_ = kPlains;
        TileOptions options;
        options.FowMode = 1;
        options.HideCoordinates = true;
        QImage image = Render(region, options);
        for (int id = 16; id <= 28; ++id) {
            if (id != 22)
                QVERIFY2(!ShowsSprite(image, pictures, id), qPrintable(QString::number(id)));
        }

        world.AddUnit(region, 7, 10);
        region.Comment->Add("Notiz");
        region.Street->AddValue(1, 100);
        east.Street->AddValue(1, 100);
        region.SetRouteMark(2, 1);
        image = Render(region, options);
        QVERIFY(ShowsSprite(image, pictures, 17)); // own units
        QVERIFY(ShowsSprite(image, pictures, 20)); // comment
        QVERIFY(!ShowsSprite(image, pictures, 16));
        QVERIFY(!ShowsSprite(image, pictures, 19));
        QVERIFY(ShowsSprite(image, pictures, 23 + 3)); // street east
        QVERIFY(!ShowsSprite(image, pictures, 23));
        QVERIFY(ShowsSprite(image, pictures, 10 + 2)); // route mark north-east
        QVERIFY(!ShowsSprite(image, pictures, 21));
        // The marker of the current region comes last, over everything.
        image = Render(region, options, true);
        QVERIFY(ShowsSprite(image, pictures, 21));
        QVERIFY(ShowsSprite(image, pictures, 17));

        options.HideIcons = true;
        options.PlainExport = true;
        image = Render(region, options, true);
        QVERIFY(!ShowsSprite(image, pictures, 17));
        QVERIFY(ShowsSprite(image, pictures, 23 + 3));
        QVERIFY(!ShowsSprite(image, pictures, 12));
        QVERIFY(!ShowsSprite(image, pictures, 21));
    }

    void geographicVariantsBySelectionAndAge()
    {
        TestWorld world;
        world.Report().Turn = 10;
        TRegion& region = world.AddRegion(0, 0);
        region.Bitmap_ = 2;
        region.FullInfoDate = 9;
        TileOptions options;
        options.HideCoordinates = true;
        QCOMPARE(Render(region, options), pictures.Terrain(2, 2));
        QVERIFY((region.Tag() & TagOutdated) != 0);
        region.SetTag(region.Tag() | TagSelected);
        QCOMPARE(Render(region, options), pictures.Terrain(2, 3));
        options.FowMode = 1;
        QCOMPARE(Render(region, options), pictures.Terrain(2, 1));
        QVERIFY((region.Tag() & TagOutdated) == 0);
        options.PlainExport = true;
        options.FowMode = 0;
        QCOMPARE(Render(region, options), pictures.Terrain(2, 0));
        region.Bitmap_ = 99; // an unknown picture index shows fog
        QCOMPARE(Render(region, options), pictures.Terrain(8, 0));
    }
};

QTEST_MAIN(TileRendererTest)
#include "tile_renderer_test.moc"
