// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/reading_warnings_label.h"

#include <QMouseEvent>

#include "core/count_text.h"

namespace maprune {

TReadingWarningsLabel::TReadingWarningsLabel(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("ReadingWarnings"));
    setToolTip(QStringLiteral("Log-Datei öffnen"));
    setCursor(Qt::PointingHandCursor);
    // Drawn as a link; the whole label takes the click.
    setTextInteractionFlags(Qt::NoTextInteraction);
    hide();
}

void TReadingWarningsLabel::ShowCount(int count)
{
    if (count <= 0) {
        hide();
        return;
    }
    setText(QStringLiteral("<a href=\"log\">%1 beim Lesen – siehe Log-Datei</a>")
                .arg(QString::fromStdString(CountText(count, "Warnung", "Warnungen"))));
    show();
}

void TReadingWarningsLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace maprune
