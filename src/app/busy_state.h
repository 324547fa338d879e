// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "app/busy_guard.h"

namespace maprune {

// Whether a long operation (reading, adding, saving) is running; the
// commands of the main window are refused meanwhile, and a close that was
// asked for waits for `idle`.
class TBusyState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool Busy() const { return FDepth > 0; }

signals:
    // The outermost operation has ended.
    void idle();

private:
    friend class BusyScope;
    int FDepth = 0;
};

// One long operation of the main window: the window takes no commands (see
// BusyGuard) and the state is busy until the scope ends. Scopes may nest.
class BusyScope {
public:
    BusyScope(TBusyState& state, QMainWindow& window);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    TBusyState& FState;
    BusyGuard FGuard;
};

} // namespace maprune
