// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QMainWindow;
class QWidget;

namespace maprune {

// Keeps the user out of a main window while a long operation runs on the
// GUI thread and lets the event loop run at the operation's points: the
// menu bar, central widget, tool bars and dock widgets are disabled and the
// window's menu shortcuts are swallowed, while the status bar (with the
// progress) and the message boxes the operation opens stay usable. Restores
// everything it disabled when destroyed. Guards may nest.
class BusyGuard : public QObject {
    Q_OBJECT
public:
    explicit BusyGuard(QMainWindow& window);
    ~BusyGuard() override;
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& window_;
    std::vector<QPointer<QWidget>> disabled_;
};

} // namespace maprune
