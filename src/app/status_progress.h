// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QWidget>

#include "core/progress.h"

namespace maprune {

// "h:mm:ss" of a duration in milliseconds (whole seconds, rounded down); the
// hours take as many digits as they need.
QString FormatDuration(qint64 milliseconds);

// Panel 0 of the main window's status bar (200 pixels): the progress of the
// running long operation. Its state p is -1 (idle, no text), 0 ("loading"),
// 1..99 (percent done, "ETA left: " and the remaining time estimated from
// the time since ProgressStart) or 100 ("finished: " and the duration).
// The left 2 x p pixels are drawn as a bar.
//
// As the core's Progress it takes SetRange/SetPosition as a fraction of the
// work and ProcessEvents runs the event loop once without waiting, so that
// the window repaints while the main window is disabled.
class TStatusProgress : public QWidget, public Progress {
    Q_OBJECT
public:
    // Milliseconds of a monotonic clock.
    using Clock = std::function<qint64()>;

    explicit TStatusProgress(QWidget* parent = nullptr);

    // Replaces the clock, e.g. in tests.
    void SetClock(Clock clock) { FClock = std::move(clock); }

    // Records the start time and sets p to 0.
    void ProgressStart();
    // Sets p to min(percent, 99); repaints only when p changed.
    void ProgressSet(int percent);
    // Stores the duration since ProgressStart and sets p to 100.
    void ProgressFinish();
    // Back to idle (p = -1), after an operation that failed.
    void ProgressStop();

    int Percent() const { return FPercent; }
    // The text the panel shows now.
    QString Text() const;

    void SetRange(int maximum) override;
    void SetPosition(int position) override;
    void ProcessEvents() override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Clock FClock;
    int FPercent = -1;
    qint64 FStarted = 0; // clock time at ProgressStart
    qint64 FDuration = 0; // set by ProgressFinish
    int FMaximum = 0;
};

} // namespace maprune
