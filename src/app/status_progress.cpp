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
    , clock_(MonotonicMilliseconds)
{
    setObjectName(QStringLiteral("StatusPanel0"));
    setFixedWidth(kPanelWidth);
}

void TStatusProgress::ProgressStart()
{
    started_ = clock_();
    maximum_ = 0;
    percent_ = 0;
    update();
}

void TStatusProgress::ProgressSet(int percent)
{
    const int shown = std::clamp(percent, 0, 99);
    if (shown == percent_)
        return;
    percent_ = shown;
    update();
}

void TStatusProgress::ProgressFinish()
{
    duration_ = clock_() - started_;
    percent_ = 100;
    update();
}

void TStatusProgress::ProgressStop()
{
    percent_ = -1;
    update();
}

QString TStatusProgress::Text() const
{
    if (percent_ < 0)
        return QString();
    if (percent_ == 0)
        return QStringLiteral("loading");
    if (percent_ >= 100)
        return QStringLiteral("finished: ") + FormatDuration(duration_);
    const qint64 elapsed = clock_() - started_;
    return QStringLiteral("ETA left: ") + FormatDuration(elapsed * 100 / percent_ - elapsed);
}

void TStatusProgress::SetRange(int maximum)
{
    maximum_ = maximum;
}

void TStatusProgress::SetPosition(int position)
{
    if (maximum_ <= 0)
        return;
    ProgressSet(static_cast<int>(static_cast<qint64>(position) * 100 / maximum_));
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
    const int filled = std::clamp(2 * percent_, 0, all.width());
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
