// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/fill_when_shown.h"

#include <QEvent>
#include <QWidget>

#include "document/report_document.h"

namespace maprune {

TFillWhenShown::TFillWhenShown(
    QWidget& window, TReportDocument& document, Concerns concerns, Fill fill)
    : QObject(&window)
    , FWindow(window)
    , FDocument(document)
    , FFill(std::move(fill))
{
    window.installEventFilter(this);
    connect(
        &document, &TReportDocument::changed, this, [this, concerns](const DocumentChange& change) {
            if (!concerns(change))
                return;
            FStale = true;
            if (FWindow.isVisible())
                Refill();
        });
}

bool TFillWhenShown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &FWindow && event->type() == QEvent::Show && FStale)
        Refill();
    return QObject::eventFilter(watched, event);
}

void TFillWhenShown::Refill()
{
    FStale = false;
    FFill(FDocument.Report());
}

} // namespace maprune
