// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>

namespace maprune {

// Shows or hides a tool window by its check item of "&Info-Fenster";
// closing the window unchecks the item. `Window` has a signal closed().
template <typename Window> void BindWindowToEntry(Window* window, QAction* entry)
{
    QObject::connect(entry, &QAction::toggled, window, [window](bool shown) {
        if (shown) {
            window->show();
            window->raise();
        } else {
            window->hide();
        }
    });
    QObject::connect(window, &Window::closed, entry, [entry] { entry->setChecked(false); });
}

} // namespace maprune
