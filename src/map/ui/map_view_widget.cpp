// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/map_view_widget.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QRegion>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <limits>

#include "config/settings.h"
#include "map/map_navigation.h"
#include "map/map_state.h"
#include "map/map_zoom.h"
#include "map/tile_text.h"
#include "map/ui/render/map_canvas.h"
#include "map/ui/render/map_pictures.h"
#include "map/ui/render/tile_renderer.h"
#include "model/report.h"

namespace maprune {

namespace {

// Scroll bars hold int positions; larger maps scroll in coarser steps.
constexpr int64_t kBarLimit = int64_t { 1 } << 30;

const AllianceList& NoAlliances()
{
    static const AllianceList none;
    return none;
}

int64_t BarScale(const ScrollBarState& bar)
{
    return std::max<int64_t>(bar.Maximum, bar.ThumbRange) / kBarLimit + 1;
}

void SetUpBar(QScrollBar* bar, const ScrollBarState& state, int64_t scale)
{
    bar->setRange(0, static_cast<int>(state.Maximum / scale));
    bar->setSingleStep(static_cast<int>(std::max<int64_t>(state.SmallStep / scale, 1)));
    bar->setPageStep(static_cast<int>(std::max<int64_t>(state.LargeStep / scale, 1)));
    bar->setValue(static_cast<int>(state.Position / scale));
    bar->setEnabled(state.Enabled());
}

// The corner button's face: a hexagon half in light, half in shadow.
QIcon CornerIcon()
{
    QPixmap face(12, 12);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF hexagon { { 6, 0.5 }, { 11, 3.25 }, { 11, 8.75 }, { 6, 11.5 }, { 1, 8.75 },
        { 1, 3.25 } };
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(QColor(0x98, 0xD0, 0x60));
    painter.drawPolygon(hexagon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x30, 0x30, 0xA0));
    painter.drawPolygon(QPolygonF { { 6, 0.5 }, { 11, 3.25 }, { 11, 8.75 }, { 6, 11.5 } });
    return QIcon(face);
}

} // namespace

TMapView::TMapView(
    const TMapPictures& pictures, TSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QAbstractScrollArea(parent)
    , FSettings(settings)
    , FTiles(std::make_unique<TTileRenderer>(pictures, dialogs))
    , FCanvas(std::make_unique<TMapCanvas>(*FTiles))
{
    setObjectName("Image1");
    FView.Layout = pictures.Layout();
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    verticalScrollBar()->setObjectName("ScrollBar1");
    horizontalScrollBar()->setObjectName("ScrollBar2");
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A scroll bar never keeps the focus; the keys belong to the map.
    verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    horizontalScrollBar()->setFocusPolicy(Qt::NoFocus);

    FCornerButton = new QToolButton(this);
    FCornerButton->setObjectName("SpeedButton1");
    FCornerButton->setFixedSize(16, 16);
    FCornerButton->setFocusPolicy(Qt::NoFocus);
    FCornerButton->setIcon(CornerIcon());
    FCornerButton->setIconSize(QSize(12, 12));
    FCornerButton->setAutoRaise(true);
    FCornerButton->setToolTip(QStringLiteral(
        "veraltete Regionen abgedunkelt an/aus; mit Umschalt: Schriftstil wechseln"));
    setCornerWidget(FCornerButton);
    FCornerButton->installEventFilter(this);
    connect(FCornerButton, &QToolButton::clicked, this, &TMapView::CornerButtonClicked);

    FCaption = new QLabel(viewport());
    FCaption->setObjectName("Label1");
    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setBold(true);
    captionFont.setItalic(true);
    FCaption->setFont(captionFont);
    FCaption->setStyleSheet(QStringLiteral("QLabel { color: white; background: transparent; }"));
    // A dark shadow keeps the white text readable over light regions.
    auto* shadow = new QGraphicsDropShadowEffect(FCaption);
    shadow->setColor(Qt::black);
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(3);
    FCaption->setGraphicsEffect(shadow);
    FCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    FCaption->move(4, 2);

    FHoverTimer = new QTimer(this);
    FHoverTimer->setObjectName("Timer1");
    FHoverTimer->setInterval(250);
    FHoverTimer->setSingleShot(true);
    connect(FHoverTimer, &QTimer::timeout, this, &TMapView::CommitHover);

    SyncScrollBars();
}

TMapView::~TMapView() = default;

// --- The report

void TMapView::SetReport(TReport* report)
{
    FReport = report;
    FState = report != nullptr ? std::make_unique<TMapState>(*report) : nullptr;
    if (report != nullptr) {
        FView.TileSize = ValidTileSize(report->Zoom);
        FView.Horizontal.Position = std::max(report->PosX, 0);
        FView.Vertical.Position = std::max(report->PosY, 0);
    }
    Rebuild(false);
    emit reportShown();
    emit zoomChanged(TileSize());
}

void TMapView::OpenAtStoredPlace()
{
    if (FReport == nullptr)
        return;
    if (ValidTileSize(FReport->Zoom) != FView.TileSize) {
        FView.TileSize = ValidTileSize(FReport->Zoom);
        SetupScrollBars(FView);
        emit zoomChanged(TileSize());
    }
    OpenAt(FView, *FReport, FReport->PosX, FReport->PosY);
    SyncScrollBars();
    RedrawWithShift(0, 0);
}

void TMapView::ReportChanged()
{
    if (FReport != nullptr)
        FReport->SetIndexed(false);
    Rebuild(true);
}

bool TMapView::Owns(const TRegion* region) const
{
    if (region == nullptr || FReport == nullptr)
        return false;
    return std::find(FReport->Regions->begin(), FReport->Regions->end(), region)
        != FReport->Regions->end();
}

void TMapView::Rebuild(bool keepRegions)
{
    if (!keepRegions || !Owns(FCurrent) || FCurrent->CZ != ActiveLayer())
        FCurrent = nullptr;
    if (!keepRegions || !Owns(FHovered) || FHovered->CZ != ActiveLayer())
        FHovered = nullptr;
    if (FReport != nullptr) {
        FColouring.ReportLoaded(*FReport);
        RebuildView(*FState, FView);
        FColouring.Recolour(*FState, FAlliances != nullptr ? *FAlliances : NoAlliances());
    } else {
        FView.Extent = {};
        SetupScrollBars(FView);
    }
    SyncScrollBars();
    UpdateCaption();
    emit viewRebuilt();
    emit coloursChanged();
    RedrawWithShift(0, 0);
}

QPoint TMapView::ScrollPositions() const
{
    return QPoint(
        static_cast<int>(FView.Horizontal.Position), static_cast<int>(FView.Vertical.Position));
}

void TMapView::SetScrollPositions(QPoint positions)
{
    ScrollBy(positions.x() - FView.Horizontal.Position, positions.y() - FView.Vertical.Position);
}

void TMapView::StoreScrollPositions()
{
    if (FReport == nullptr)
        return;
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    FReport->PosX = static_cast<int32_t>(std::min(FView.Horizontal.Position, kMax));
    FReport->PosY = static_cast<int32_t>(std::min(FView.Vertical.Position, kMax));
    FReport->Zoom = static_cast<int32_t>(FView.TileSize);
}

// --- Zoom

int TMapView::WholeLayerTileSize() const
{
    return static_cast<int>(
        maprune::WholeLayerTileSize(FView.Extent, FView.ViewWidth, FView.ViewHeight));
}

void TMapView::SetTileSize(int size, QPoint anchor)
{
    if (!ZoomAt(FView, size, { anchor.x(), anchor.y() }))
        return;
    SyncScrollBars();
    RedrawWithShift(0, 0);
    emit zoomChanged(TileSize());
}

void TMapView::ZoomStep(int direction)
{
    const QPoint anchor = FMouseInside
        ? FMousePosition
        : QPoint(viewport()->width() / 2, viewport()->height() / 2);
    SetTileSize(static_cast<int>(NextTileSize(FView.TileSize, direction, WholeLayerTileSize())),
        anchor);
}

// --- Regions

void TMapView::SetCurrentRegion(TRegion* region)
{
    if (region == FCurrent)
        return;
    TRegion* old = FCurrent;
    FCurrent = region;
    if (region != nullptr)
        RedrawRegion(*region);
    if (old != nullptr)
        RedrawRegion(*old);
    emit currentRegionChanged(region);
}

void TMapView::CommitHover()
{
    SetCurrentRegion(FHovered);
    FHoverTimer->stop();
}

void TMapView::CentreOn(TRegion& region)
{
    if (FReport == nullptr)
        return;
    if (region.CZ != FReport->ActiveLayer)
        SwitchLayer(region.CZ);
    ApplyScroll(maprune::CentreOn(*FState, FView, region).Scroll);
    if (FHovered != &region) {
        FHovered = &region;
        emit hoveredRegionChanged(FHovered);
    }
    CommitHover();
}

// --- Drawing

const QImage& TMapView::Canvas() const
{
    return FCanvas->Image();
}

size_t TMapView::LastDrawnCount() const
{
    return FCanvas->LastDrawnCount();
}

void TMapView::UpdateTileOptions()
{
    TileOptions options;
    options.Mode = FColouring.Mode();
    options.FowMode = FSettings.FOW_Mode.Get();
    options.TextStyle = FSettings.TextStyle.Get();
    options.TileSize = TileSize();
    FTiles->SetOptions(options);
}

void TMapView::Redraw()
{
    RedrawWithShift(0, 0);
}

void TMapView::RedrawWithShift(int64_t shiftX, int64_t shiftY)
{
    UpdateTileOptions();
    FCanvas->Redraw(FState.get(), FView, shiftX, shiftY, FCurrent);
    viewport()->update();
    emit viewUpdated();
    // The map moved under a resting mouse: bring hovered region and hint up
    // to date as a mouse move would, but without its dragging, which would
    // scroll or select again.
    if (FMouseInside)
        UpdateHover(FMousePosition);
}

void TMapView::RedrawRegion(TRegion& region)
{
    if (FReport == nullptr || region.CZ != FReport->ActiveLayer)
        return;
    UpdateTileOptions();
    FCanvas->RedrawRegion(*FState, FView, region, FCurrent);
    const MapPoint at = RegionToScreen(FView, region);
    const int64_t size = FView.TileSize;
    viewport()->update(QRect(static_cast<int>(std::clamp<int64_t>(at.X, -size, FView.ViewWidth)),
        static_cast<int>(std::clamp<int64_t>(at.Y, -size, FView.ViewHeight)), TileSize(),
        TileSize()));
}

void TMapView::RedrawMarked()
{
    if (FReport == nullptr)
        return;
    UpdateTileOptions();
    FCanvas->RedrawMarked(*FState, FView, FCurrent);
    viewport()->update();
}

void TMapView::ScrollBy(int64_t dx, int64_t dy)
{
    ApplyScroll(maprune::ScrollBy(FView, dx, dy));
}

void TMapView::ApplyScroll(const ScrollResult& result)
{
    if (result.Effect == ScrollEffect::None)
        return;
    SyncScrollBars();
    if (result.Effect == ScrollEffect::Repaint)
        viewport()->update();
    else
        RedrawWithShift(result.ShiftX, result.ShiftY);
}

void TMapView::SyncScrollBars()
{
    FSyncingBars = true;
    FScaleX = BarScale(FView.Horizontal);
    FScaleY = BarScale(FView.Vertical);
    SetUpBar(horizontalScrollBar(), FView.Horizontal, FScaleX);
    SetUpBar(verticalScrollBar(), FView.Vertical, FScaleY);
    FSyncingBars = false;
}

void TMapView::scrollContentsBy(int, int)
{
    // The user moved a scroll bar (dragged, clicked or by arrow key).
    if (FSyncingBars)
        return;
    const int64_t x = horizontalScrollBar()->value() * FScaleX;
    const int64_t y = verticalScrollBar()->value() * FScaleY;
    ScrollBy(x - FView.Horizontal.Position, y - FView.Vertical.Position);
}

bool TMapView::ArrowKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Right:
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Up:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_Down:
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    default:
        return false;
    }
}

void TMapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QImage& canvas = FCanvas->Image();
    painter.drawImage(event->rect().topLeft(), canvas, event->rect());
    // Beyond the picture (while a resize is pending) the map is black.
    for (const QRect& outside : QRegion(event->rect()).subtracted(canvas.rect()))
        painter.fillRect(outside, Qt::black);
}

void TMapView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    FView.ViewWidth = viewport()->width();
    FView.ViewHeight = viewport()->height();
    FCanvas->Resize(viewport()->width(), viewport()->height());
    SetupScrollBars(FView);
    SyncScrollBars();
    FCaption->resize(std::max(viewport()->width() - 8, 0), FCaption->sizeHint().height());
    RedrawWithShift(0, 0);
}

bool TMapView::eventFilter(QObject* watched, QEvent* event)
{
    // The button's click comes without the keys held; the release that
    // causes it carries them.
    if (watched == FCornerButton && event->type() == QEvent::MouseButtonRelease)
        FCornerModifiers = static_cast<QMouseEvent*>(event)->modifiers();
    return QAbstractScrollArea::eventFilter(watched, event);
}

void TMapView::CornerButtonClicked()
{
    const bool shift = FCornerModifiers.testFlag(Qt::ShiftModifier);
    FCornerModifiers = Qt::NoModifier;
    if (shift) {
        FSettings.TextStyle.Set((FSettings.TextStyle.Get() + 1) % kTextStyleCount);
    } else {
        FSettings.FOW_Mode.Set(FSettings.FOW_Mode.Get() == 0 ? 1 : 0);
        // The overview dims outdated regions by the same setting.
        emit coloursChanged();
    }
    RedrawWithShift(0, 0);
}

// --- Layers

std::vector<int32_t> TMapView::Layers() const
{
    return FReport != nullptr ? FReport->Layers() : std::vector<int32_t> {};
}

int32_t TMapView::ActiveLayer() const
{
    return FReport != nullptr ? FReport->ActiveLayer : 0;
}

bool TMapView::SwitchLayer(int32_t z)
{
    if (FReport == nullptr || z == FReport->ActiveLayer)
        return false;
    const std::vector<int32_t> layers = FReport->Layers();
    if (std::find(layers.begin(), layers.end(), z) == layers.end())
        return false;
    ClearCurrentRegion();
    if (!maprune::SwitchLayer(*FReport, z))
        return false;
    Rebuild(false);
    return true;
}

void TMapView::StopHoverTimer()
{
    FHoverTimer->stop();
}

void TMapView::ForgetRegions()
{
    ClearCurrentRegion();
    if (FHovered != nullptr) {
        FHovered = nullptr;
        emit hoveredRegionChanged(nullptr);
    }
}

void TMapView::ShowActiveLayer()
{
    ClearCurrentRegion();
    Rebuild(false);
}

// --- Colouring

void TMapView::ShowGeographic()
{
    FColouring.SetGeographic();
    Recoloured();
}

void TMapView::ShowStatistic(StatisticKind kind)
{
    if (FReport == nullptr)
        return;
    FColouring.SetStatistic(*FState, kind);
    Recoloured();
}

void TMapView::ShowPolitical(bool byAlliance, PersonsMode persons)
{
    if (FReport == nullptr)
        return;
    FColouring.ComputePoliticColours(*FState, FAlliances != nullptr ? *FAlliances : NoAlliances(),
        byAlliance, persons, FColouring.ShownTurn());
    Recoloured();
}

void TMapView::ShowChanges(ChangeWeigher weigher)
{
    if (FReport == nullptr)
        return;
    FColouring.SetChanges(*FState, std::move(weigher));
    Recoloured();
}

void TMapView::SetShownTurn(int32_t turn)
{
    if (FReport == nullptr || turn == FColouring.ShownTurn())
        return;
    FColouring.SetShownTurn(*FState, FAlliances != nullptr ? *FAlliances : NoAlliances(), turn);
    if (FColouring.Mode() == MapMode::Political) {
        Recoloured();
    } else {
        UpdateCaption();
        emit coloursChanged();
    }
}

void TMapView::SetAlliances(const AllianceList* alliances)
{
    FAlliances = alliances;
}

void TMapView::AlliancesChanged()
{
    FColouring.AlliancesChanged();
    if (FReport == nullptr)
        return;
    FColouring.Recolour(*FState, FAlliances != nullptr ? *FAlliances : NoAlliances());
    Recoloured();
}

void TMapView::Recoloured()
{
    UpdateCaption();
    emit coloursChanged();
    RedrawWithShift(0, 0);
}

QString TMapView::Caption() const
{
    return QString::fromStdString(FColouring.Caption());
}

void TMapView::UpdateCaption()
{
    FCaption->setText(Caption());
    FCaption->resize(std::max(viewport()->width() - 8, 0), FCaption->sizeHint().height());
}

} // namespace maprune
