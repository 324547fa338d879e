// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/ui/overview_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
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
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    , FMap(map)
    , FSettings(settings)
{
    setObjectName("Form5");
    setWindowTitle(QStringLiteral("Übersichtskarte"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Every rebuild of the map recolours it, so the colour signal covers
    // new reports and layers too.
    connect(&map, &TMapView::coloursChanged, this, &TOverviewWindow::Rebuild);
    connect(&map, &TMapView::viewUpdated, this, qOverload<>(&QWidget::update));
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
    const QRect area = ScreenArea(*this);
    FZoom = FitOverviewZoom(
        FSettings.OverviewZoom.Get(), picture.Width, picture.Height, area.width(), area.height());
    FSettings.OverviewZoom.Set(FZoom);
    resize(std::max(FPicture.width() * FZoom, 1), std::max(FPicture.height() * FZoom, 1));
    KeepOnScreen();
    update();
}

void TOverviewWindow::KeepOnScreen()
{
    const QRect area = ScreenArea(*this);
    const QRect frame = frameGeometry();
    QPoint to = frame.topLeft();
    if (frame.right() > area.right())
        to.setX(std::max(area.right() - frame.width() + 1, area.left()));
    if (frame.bottom() > area.bottom())
        to.setY(std::max(area.bottom() - frame.height() + 1, area.top()));
    if (to != frame.topLeft())
        move(to);
}

void TOverviewWindow::Zoom(int step)
{
    FSettings.OverviewZoom.Set(
        std::clamp(FSettings.OverviewZoom.Get() + step, kMinOverviewZoom, kMaxOverviewZoom));
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
