// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/busy_guard.h"

#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace maprune {

BusyGuard::BusyGuard(QMainWindow& window)
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
            FDisabled.emplace_back(part);
        }
    }
    QApplication::setOverrideCursor(Qt::BusyCursor);
}

BusyGuard::~BusyGuard()
{
    QApplication::restoreOverrideCursor();
    for (const QPointer<QWidget>& part : FDisabled) {
        if (part)
            part->setEnabled(true);
    }
}

} // namespace maprune
