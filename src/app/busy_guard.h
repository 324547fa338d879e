// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

class QMainWindow;

namespace maprune {

// Keeps the user out of a main window while a long operation runs on the
// GUI thread and lets the event loop run at the operation's points: the
// menu bar (and with it the menu shortcuts), central widget, tool bars and
// dock widgets are disabled, while the status bar (with the progress) and
// the message boxes the operation opens stay usable. Restores everything it
// disabled when destroyed. Guards may nest.
class BusyGuard {
public:
    explicit BusyGuard(QMainWindow& window);
    ~BusyGuard();
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    std::vector<QPointer<QWidget>> FDisabled;
};

} // namespace maprune
