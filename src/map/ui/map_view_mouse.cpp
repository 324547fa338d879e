// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse and the keyboard on the map: hovering, the hover timer, the
// current region, dragging to pan and to select.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include <cstdlib>

#include "config/settings.h"
#include "map/map_navigation.h"
#include "map/map_state.h"
#include "map/ui/map_view_widget.h"
#include "model/report.h"

namespace maprune {

namespace {

Qt::MouseButton Swapped(Qt::MouseButton button, bool swap)
{
    if (!swap)
        return button;
    if (button == Qt::LeftButton)
        return Qt::RightButton;
    if (button == Qt::RightButton)
        return Qt::LeftButton;
    return button;
}

Qt::MouseButtons Swapped(Qt::MouseButtons buttons, bool swap)
{
    if (!swap)
        return buttons;
    Qt::MouseButtons result = buttons & ~(Qt::LeftButton | Qt::RightButton);
    if (buttons.testFlag(Qt::LeftButton))
        result |= Qt::RightButton;
    if (buttons.testFlag(Qt::RightButton))
        result |= Qt::LeftButton;
    return result;
}

} // namespace

void TMapView::SetHint(const QString& hint)
{
    if (hint == FHint)
        return;
    FHint = hint;
    emit hintChanged(hint);
}

QString TMapView::HintOf(const TRegion& region) const
{
    return QString::fromStdString(
        RegionDescription(&region) + FColouring.HintSuffix(*FState, region));
}

void TMapView::UpdateHover(QPoint position)
{
    TRegion* region = nullptr;
    if (FReport != nullptr)
        region = HitTest(*FReport, FView, { position.x(), position.y() });
    if (region != FHovered) {
        FHovered = region;
        emit hoveredRegionChanged(region);
    }
    if (region == nullptr)
        SetHint({});
    else
        SetHint(HintOf(*region));
    if (!FSettings.RightSelect.Get())
        FHoverTimer->start();
}

void TMapView::DragSelect(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    const bool selected = FHovered != nullptr && (FHovered->Tag() & TagSelected) != 0;
    if (FLeftDragActive && FHovered != nullptr && buttons == Qt::LeftButton
        && modifiers == Qt::NoModifier && selected == !FLeftDragSelects) {
        emit selectionRequested(FHovered, FLeftDragSelects, FDragGesture);
    }
    // No hint while the left button is held.
    SetHint({});
}

void TMapView::mousePressEvent(QMouseEvent* event)
{
    const bool swap = FSettings.SwapMouseButtons.Get();
    const Qt::MouseButton button = Swapped(event->button(), swap);
    const QPoint position = event->position().toPoint();
    FMouseInside = true;
    FMousePosition = position;
    if (button == Qt::LeftButton) {
        TRegion* region = FReport != nullptr
            ? HitTest(*FReport, FView, { position.x(), position.y() })
            : nullptr;
        if (region != nullptr) {
            FLeftDragActive = true;
            ++FDragGesture;
            FLeftDragSelects = (region->Tag() & TagSelected) == 0;
            // The press toggles the region at once, as a move with the
            // button held does.
            UpdateHover(position);
            DragSelect(Swapped(event->buttons(), swap), event->modifiers());
        }
    } else if (button == Qt::RightButton) {
        // A press can come without a move before it (a touch pad, a
        // synthetic event): the hovered region is taken at the press.
        UpdateHover(position);
        if (FSettings.RightSelect.Get())
            CommitHover();
        FRightDragActive = true;
        FLastPoint = position;
    }
    event->accept();
}

void TMapView::mouseMoveEvent(QMouseEvent* event)
{
    const bool swap = FSettings.SwapMouseButtons.Get();
    const Qt::MouseButtons buttons = Swapped(event->buttons(), swap);
    const QPoint position = event->position().toPoint();
    FMouseInside = true;
    FMousePosition = position;
    if (FRightDragActive && buttons.testFlag(Qt::RightButton)) {
        const double speed = FSettings.ScrollSpeed.Get();
        const int64_t dx = PanStep(speed, FLastPoint.x(), position.x());
        const int64_t dy = PanStep(speed, FLastPoint.y(), position.y());
        FLastPoint = position;
        ScrollBy(dx, dy);
    }
    UpdateHover(position);
    if (buttons.testFlag(Qt::LeftButton))
        DragSelect(buttons, event->modifiers());
    event->accept();
}

void TMapView::mouseReleaseEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = Swapped(event->button(), FSettings.SwapMouseButtons.Get());
    if (button == Qt::RightButton)
        FRightDragActive = false;
    else if (button == Qt::LeftButton)
        FLeftDragActive = false;
    event->accept();
}

void TMapView::wheelEvent(QWheelEvent* event)
{
    if (!event->modifiers().testFlag(Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // A wheel step is 120; fine-grained wheels and touch pads send parts.
    FWheelRest += event->angleDelta().y();
    const int steps = FWheelRest / 120;
    FWheelRest %= 120;
    FMouseInside = true;
    FMousePosition = event->position().toPoint();
    for (int i = 0; i < std::abs(steps); ++i)
        ZoomStep(steps > 0 ? +1 : -1);
    event->accept();
}

bool TMapView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        FMouseInside = false;
    if (event->type() == QEvent::ToolTip) {
        // The description of the region under the mouse, also while the
        // status bar shows something else.
        const auto* help = static_cast<QHelpEvent*>(event);
        TRegion* region = FReport != nullptr
            ? HitTest(*FReport, FView, { help->pos().x(), help->pos().y() })
            : nullptr;
        if (region != nullptr)
            QToolTip::showText(help->globalPos(), HintOf(*region), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TMapView::keyPressEvent(QKeyEvent* event)
{
    if (ArrowKey(event->key()))
        event->accept();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

} // namespace maprune
