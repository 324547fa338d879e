// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/busy_guard.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace maprune {

BusyGuard::BusyGuard(QMainWindow& window)
    : window_(window)
{
    std::vector<QWidget*> parts { window.menuBar(), window.centralWidget() };
    for (QToolBar* bar : window.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        parts.push_back(bar);
    for (QDockWidget* dock : window.findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly))
        parts.push_back(dock);
    for (QWidget* part : parts) {
        // Parts disabled already (by an outer guard or for other reasons)
        // are left to whoever disabled them.
        if (part != nullptr && part->isEnabled()) {
            part->setEnabled(false);
            disabled_.emplace_back(part);
        }
    }
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

BusyGuard::~BusyGuard()
{
    QApplication::restoreOverrideCursor();
    qApp->removeEventFilter(this);
    for (const QPointer<QWidget>& part : disabled_) {
        if (part)
            part->setEnabled(true);
    }
}

bool BusyGuard::eventFilter(QObject* watched, QEvent* event)
{
    // Menu shortcuts would start a second command in the middle of this one.
    if (event->type() == QEvent::Shortcut) {
        if (auto* action = qobject_cast<QAction*>(watched)) {
            for (QObject* owner = action->parent(); owner != nullptr; owner = owner->parent()) {
                if (owner == &window_)
                    return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace maprune
