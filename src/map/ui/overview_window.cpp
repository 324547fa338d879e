// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/overview_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

#include "config/settings.h"
#include "map/overview.h"
#include "map/ui/map_view_widget.h"

namespace maprune {

namespace {

QRect ScreenArea(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

TOverviewWindow::TOverviewWindow(TMapView& map, TSettings& settings, QWidget* parent)
    : QWidget(parent)
    , FMap(map)
    , FSettings(settings)
{
    setObjectName("OverviewPicture");
    setWindowTitle(QStringLiteral("Übersichtskarte"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    const QRect screen = ScreenArea(*this);
    FFitArea = QSize(screen.width() - 32, screen.height() - 32);
    // Every rebuild of the map recolours it, so the colour signal covers
    // new reports and layers too.
    connect(&map, &TMapView::coloursChanged, this, &TOverviewWindow::Rebuild);
    connect(&map, &TMapView::reportShown, this, [this] {
        FFitting = true;
        Rebuild();
    });
    connect(&map, &TMapView::viewUpdated, this, qOverload<>(&QWidget::update));
    Rebuild();
}

void TOverviewWindow::SetFitArea(QSize area)
{
    if (area == FFitArea)
        return;
    FFitArea = area;
    if (FFitting)
        Rebuild();
}

void TOverviewWindow::Rebuild()
{
    OverviewPicture picture;
    if (TMapState* state = FMap.MapState()) {
        OverviewOptions options;
        options.Mode = FMap.Mode();
        options.Dimming = FDimming;
        options.FowMode = FSettings.FOW_Mode.Get();
        picture = BuildOverviewPicture(*state, FMap.ViewState().Extent.Overview, options);
    }
    FPicture = QImage(
        static_cast<int>(picture.Width), static_cast<int>(picture.Height), QImage::Format_RGB32);
    for (int y = 0; y < FPicture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(FPicture.scanLine(y));
        for (int x = 0; x < FPicture.width(); ++x)
            row[x] = 0xFF000000
                | picture.Pixels[static_cast<size_t>(y) * static_cast<size_t>(picture.Width)
                    + static_cast<size_t>(x)];
    }
    // FitOverviewZoom keeps 32 pixels of its screen free; an unbounded room
    // never lowers the user's zoom.
    constexpr int64_t kUnbounded = int64_t { 1 } << 40;
    if (FFitting)
        FZoom = FitOverviewZoom(kMaxOverviewZoom, picture.Width, picture.Height,
            FFitArea.width() + 32, FFitArea.height() + 32);
    else
        FZoom = FitOverviewZoom(
            FSettings.OverviewZoom.Get(), picture.Width, picture.Height, kUnbounded, kUnbounded);
    FSettings.OverviewZoom.Set(FZoom);
    setFixedSize(std::max(FPicture.width() * FZoom, 1), std::max(FPicture.height() * FZoom, 1));
    update();
}

void TOverviewWindow::Zoom(int step)
{
    FFitting = false;
    FSettings.OverviewZoom.Set(std::clamp(FZoom + step, kMinOverviewZoom, kMaxOverviewZoom));
    Rebuild();
}

void TOverviewWindow::SetDimming(bool on)
{
    FDimming = on;
    Rebuild();
}

void TOverviewWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!FPicture.isNull())
        painter.drawImage(rect(), FPicture);
    const MapRect frame = OverviewFrame(FMap.ViewState(), width(), height());
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    // A stroked rectangle covers one pixel more than its size.
    painter.drawRect(QRect(static_cast<int>(frame.Left), static_cast<int>(frame.Top),
        static_cast<int>(frame.Right - frame.Left) - 1,
        static_cast<int>(frame.Bottom - frame.Top) - 1));
}

void TOverviewWindow::ScrollMapTo(QPoint point)
{
    const MapViewState& view = FMap.ViewState();
    const MapPoint target = OverviewScrollTarget(view, { point.x(), point.y() }, width(), height());
    FMap.ScrollBy(target.X - view.Horizontal.Position, target.Y - view.Vertical.Position);
}

void TOverviewWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        ScrollMapTo(event->position().toPoint());
    else if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        SetDimming(!FDimming);
}

void TOverviewWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons().testFlag(Qt::LeftButton))
        ScrollMapTo(event->position().toPoint());
}

void TOverviewWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        if (event->key() == Qt::Key_Plus) {
            Zoom(+1);
            return;
        }
        if (event->key() == Qt::Key_Minus) {
            Zoom(-1);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TOverviewWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

} // namespace maprune

namespace maprune {

TOverviewPanel::TOverviewPanel(TMapView& map, TSettings& settings, QWidget* parent)
    : QScrollArea(parent)
{
    setObjectName("Form5");
    setWindowTitle(QStringLiteral("Übersichtskarte"));
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setBackgroundRole(QPalette::Window);
    FOverview = new TOverviewWindow(map, settings);
    setWidget(FOverview);
}

void TOverviewPanel::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    // The whole room: a fitted picture needs no scroll bars.
    FOverview->SetFitArea(contentsRect().size());
}

} // namespace maprune
