// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/map_view_slot.h"

#include "app/report_document.h"
#include "model/report.h"

namespace maprune {

void BindMapView(TReportDocument& document, MapViewSlot& view)
{
    QWidget* context = view.Widget();
    QObject::connect(
        &document, &TReportDocument::reportReplaced, context, [&view](TReport* report) {
            view.Rebuild(report);
            if (report != nullptr)
                view.ShowStoredPlace(*report);
        });
    QObject::connect(&document, &TReportDocument::reportChanged, context,
        [&view](TReport* report) { view.Rebuild(report); });
    QObject::connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, context,
        [&view] { view.ForgetRegions(); });
    QObject::connect(
        &document, &TReportDocument::layerSwitched, context, [&view] { view.ShowActiveLayer(); });
    QObject::connect(&document, &TReportDocument::regionEdited, context,
        [&view](TRegion* region) { view.RedrawRegion(*region); });
    QObject::connect(&document, &TReportDocument::currentRegionChanged, context,
        [&view](TRegion* region) { view.SetCurrentRegion(region); });
    QObject::connect(&document, &TReportDocument::aboutToSave, context,
        [&view](TReport& report) { view.StorePlace(report); });
    view.OnCurrentRegionChanged(
        [&document](TRegion* region) { document.SetCurrentRegion(region); });
    view.Rebuild(document.Report());
}

void MapViewSlot::ShowStoredPlace(const TReport& report)
{
    SetScrollPositions(QPoint(report.PosX, report.PosY));
}

void MapViewSlot::StorePlace(TReport& report) const
{
    const QPoint positions = ScrollPositions();
    report.PosX = positions.x();
    report.PosY = positions.y();
}

void TMapPlaceholder::ShowStoredPlace(const TReport& report)
{
    MapViewSlot::ShowStoredPlace(report);
    FZoom = report.Zoom;
}

void TMapPlaceholder::StorePlace(TReport& report) const
{
    MapViewSlot::StorePlace(report);
    report.Zoom = FZoom;
}

TMapPlaceholder::TMapPlaceholder(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TMapPlaceholder::SetCurrentRegion(TRegion* region)
{
    if (region == FCurrent)
        return;
    FCurrent = region;
    if (FChanged)
        FChanged(region);
}

} // namespace maprune
