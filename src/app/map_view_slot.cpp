// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/map_view_slot.h"

#include "document/report_document.h"
#include "model/report.h"

namespace maprune {

namespace {

void Follow(MapViewSlot& view, TReportDocument& document, const DocumentChange& change)
{
    TReport* report = document.Report();
    switch (change.Kind) {
    case DocumentChangeKind::Replaced:
        view.Rebuild(report);
        if (report != nullptr)
            view.ShowStoredPlace(*report);
        break;
    case DocumentChangeKind::Added:
    case DocumentChangeKind::Origin:
    case DocumentChangeKind::Parties:
        view.Rebuild(report);
        break;
    case DocumentChangeKind::RegionComments:
        view.RedrawRegion(*change.Region);
        break;
    case DocumentChangeKind::Selection:
        if (change.Region != nullptr)
            view.RedrawRegion(*change.Region);
        else
            view.Redraw();
        break;
    case DocumentChangeKind::Alliances:
        view.AlliancesChanged();
        break;
    case DocumentChangeKind::UnitOrders:
    case DocumentChangeKind::Series:
        break;
    }
}

} // namespace

void BindMapView(TReportDocument& document, MapViewSlot& view)
{
    QWidget* context = view.Widget();
    QObject::connect(&document, &TReportDocument::changed, context,
        [&view, &document](const DocumentChange& change) { Follow(view, document, change); });
    QObject::connect(&document, &TReportDocument::centreRequested, context,
        [&view](TRegion* region) { view.CentreOn(*region); });
    QObject::connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, context,
        [&view] { view.ForgetRegions(); });
    QObject::connect(
        &document, &TReportDocument::layerSwitched, context, [&view] { view.ShowActiveLayer(); });
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
