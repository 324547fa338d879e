// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>

#include "app/busy_guard.h"
#include "app/main_window.h"

namespace maprune {

// A long operation of the main window: the window takes no commands (see
// BusyGuard) and Busy() is true. A close requested meanwhile is carried out
// once the outermost operation has ended.
class MainWindowBusy {
public:
    explicit MainWindowBusy(TMainWindow& window)
        : window_(window)
        , guard_(window)
    {
        ++window_.busyDepth_;
    }
    ~MainWindowBusy()
    {
        if (--window_.busyDepth_ == 0 && window_.closeWhenIdle_) {
            window_.closeWhenIdle_ = false;
            QTimer::singleShot(0, &window_, &QWidget::close);
        }
    }
    MainWindowBusy(const MainWindowBusy&) = delete;
    MainWindowBusy& operator=(const MainWindowBusy&) = delete;

private:
    TMainWindow& window_;
    BusyGuard guard_;
};

} // namespace maprune
