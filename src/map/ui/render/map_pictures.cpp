// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/render/map_pictures.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

#include "map/ui/render/builtin_art.h"
#include "map/ui/render/hexagon_shape.h"

namespace maprune {

namespace {

using namespace picture;

bool IsTemplate(int id)
{
    return id == kStatisticTemplate || (id >= kPoliticFirst && id <= kLast);
}

// A palette picture as an 8-bit one with at least 16 entries, or a null
// image when `image` has no palette.
QImage AsPaletteImage(const QImage& image)
{
    if (image.colorCount() == 0)
        return {};
    QImage indexed = image.format() == QImage::Format_Indexed8
        ? image
        : image.convertToFormat(QImage::Format_Indexed8, image.colorTable());
    QVector<QRgb> table = indexed.colorTable();
    while (table.size() < 16)
        table.push_back(0xFF000000);
    indexed.setColorTable(table);
    return indexed;
}

void ReplaceColour(QImage& image, QRgb from, QRgb to)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == (from & 0xFFFFFF))
                row[x] = to;
        }
    }
}

QImage Multiplied(const QImage& picture, const QImage& mask)
{
    QImage result(picture.size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            out[x] = qRgb(qRed(a[x]) * qRed(b[x]) / 255, qGreen(a[x]) * qGreen(b[x]) / 255,
                qBlue(a[x]) * qBlue(b[x]) / 255);
        }
    }
    return result;
}

QImage WithOverlay(const QImage& picture, const TSprite& overlay)
{
    QImage result = picture.copy();
    overlay.DrawOnto(result);
    return result;
}

} // namespace

QStringList DefaultPictureFolders()
{
    return { QCoreApplication::applicationDirPath() + "/GFX",
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/GFX" };
}

TMapPictures::TMapPictures(MapLayout layout, const QStringList& folders)
    : FLayout(layout)
{
    for (int id = kRouteMarkFirst; id <= kSelectionOverlay; ++id) {
        if (id == kStatisticTemplate)
            continue;
        QImage image = Load(id, folders).convertToFormat(QImage::Format_RGB32);
        if (id >= kIconFirst && id <= kCurrentMarker)
            ReplaceColour(image, 0xFFFFFFFF, 0xFF000000);
        FSprites[static_cast<size_t>(id)] = TSprite(image);
    }
    for (int id = kStatisticTemplate; id <= kLast; ++id) {
        if (IsTemplate(id))
            FTemplates[static_cast<size_t>(id)] = TPaletteTemplate(Load(id, folders));
    }
    FFogMask = Load(kFogMask, folders).convertToFormat(QImage::Format_RGB32);
    for (int index = 0; index < kTerrainCount; ++index)
        PrepareTerrain(index, folders);
}

QImage TMapPictures::LoadFile(int id, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QString path = folder + "/" + QString::number(id) + ".bmp";
        if (!QFileInfo::exists(path))
            continue;
        QImage image(path, "BMP");
        if (image.isNull() || image.width() != kSize || image.height() != kSize)
            continue;
        if (IsTemplate(id)) {
            image = AsPaletteImage(image);
            if (image.isNull())
                continue;
        }
        FFromFiles.push_back(id);
        return image;
    }
    return {};
}

QImage TMapPictures::Load(int id, const QStringList& folders)
{
    QImage image = LoadFile(id, folders);
    return image.isNull() ? BuiltinPicture(id, FLayout) : image;
}

void TMapPictures::PrepareTerrain(int index, const QStringList& folders)
{
    const int id = kTerrainFirst + index;
    QImage plain = LoadFile(id, folders).convertToFormat(QImage::Format_RGB32);
    if (plain.isNull())
        plain = BuiltinPicture(id, FLayout);
    else if (FLayout == MapLayout::YAxisNorthSouth)
        plain = Transposed(plain);
    ReplaceColour(plain, 0xFFFFFFFF, 0xFF808080);
    const TSprite& overlay = FSprites[kSelectionOverlay];
    auto& variants = FTerrain[static_cast<size_t>(index)];
    variants[0] = plain;
    variants[kVariantSelected] = WithOverlay(plain, overlay);
    variants[kVariantOutdated] = Multiplied(plain, FFogMask);
    variants[kVariantSelected | kVariantOutdated]
        = WithOverlay(variants[kVariantOutdated], overlay);
}

const QImage& TMapPictures::Terrain(int index, int variant) const
{
    const int t = index >= 0 && index < kTerrainCount ? index : kTerrainCount - 1;
    return FTerrain[static_cast<size_t>(t)][static_cast<size_t>(variant & 3)];
}

const TSprite& TMapPictures::Sprite(int id) const
{
    return FSprites[static_cast<size_t>(std::clamp(id, 0, kLast))];
}

const TPaletteTemplate& TMapPictures::Template(int id) const
{
    return FTemplates[static_cast<size_t>(std::clamp(id, 0, kLast))];
}

} // namespace maprune
