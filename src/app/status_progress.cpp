// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_progress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <algorithm>

namespace maprune {

namespace {

constexpr int kPanelWidth = 200;

qint64 MonotonicMilliseconds()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer.elapsed();
}

} // namespace

QString FormatDuration(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(milliseconds, 0) / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

TStatusProgress::TStatusProgress(QWidget* parent)
    : QWidget(parent)
    , FClock(MonotonicMilliseconds)
{
    setObjectName(QStringLiteral("StatusPanel0"));
    setFixedWidth(kPanelWidth);
}

void TStatusProgress::ProgressStart()
{
    FStarted = FClock();
    FMaximum = 0;
    FPercent = 0;
    update();
}

void TStatusProgress::ProgressSet(int percent)
{
    const int shown = std::clamp(percent, 0, 99);
    if (shown == FPercent)
        return;
    FPercent = shown;
    update();
}

void TStatusProgress::ProgressFinish()
{
    FDuration = FClock() - FStarted;
    FPercent = 100;
    update();
}

void TStatusProgress::ProgressStop()
{
    FPercent = -1;
    update();
}

QString TStatusProgress::Text() const
{
    if (FPercent < 0)
        return QString();
    if (FPercent == 0)
        return QStringLiteral("loading");
    if (FPercent >= 100)
        return QStringLiteral("finished: ") + FormatDuration(FDuration);
    const qint64 elapsed = FClock() - FStarted;
    return QStringLiteral("ETA left: ") + FormatDuration(elapsed * 100 / FPercent - elapsed);
}

void TStatusProgress::SetRange(int maximum)
{
    FMaximum = maximum;
}

void TStatusProgress::SetPosition(int position)
{
    if (FMaximum <= 0)
        return;
    ProgressSet(static_cast<int>(static_cast<qint64>(position) * 100 / FMaximum));
}

void TStatusProgress::ProcessEvents()
{
    QApplication::processEvents();
}

QSize TStatusProgress::sizeHint() const
{
    return QSize(kPanelWidth, fontMetrics().height() + 4);
}

void TStatusProgress::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Active colours even while the window is disabled for a long operation.
    const QColor bar = palette().color(QPalette::Active, QPalette::Highlight);
    const QColor face = palette().color(QPalette::Active, QPalette::Button);
    const QRect all = rect();
    const int filled = std::clamp(2 * FPercent, 0, all.width());
    const QRect left(all.left(), all.top(), filled, all.height());
    const QRect right(all.left() + filled, all.top(), all.width() - filled, all.height());
    const QString text = Text();

    painter.fillRect(left, bar);
    painter.fillRect(right, face);
    painter.setClipRect(left);
    painter.setPen(face);
    painter.drawText(all, Qt::AlignCenter, text);
    painter.setClipRect(right);
    painter.setPen(bar);
    painter.drawText(all, Qt::AlignCenter, text);
}

} // namespace maprune
