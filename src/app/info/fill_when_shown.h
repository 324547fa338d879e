// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QObject>

class QWidget;

namespace maprune {

class TReport;
class TReportDocument;
struct DocumentChange;

// Keeps a list window in step with the document's report without filling
// it while nobody sees it: filling the hidden lists was a good part of
// opening a large report. A change that `concerns` the window refills it at
// once while it is visible, otherwise when it is shown next.
class TFillWhenShown : public QObject {
public:
    using Concerns = bool (*)(const DocumentChange&);
    using Fill = std::function<void(const TReport*)>;

    TFillWhenShown(QWidget& window, TReportDocument& document, Concerns concerns, Fill fill);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refill();

    QWidget& FWindow;
    TReportDocument& FDocument;
    Fill FFill;
    // The window does not show the document's report yet.
    bool FStale = true;
};

} // namespace maprune
