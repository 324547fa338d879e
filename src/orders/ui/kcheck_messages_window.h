// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QWidget>

#include "orders/checker_results.h"

class QListWidget;

namespace maprune {

class TReportDocument;

// "Ausgabe von KCheck" (TKCheckMessagesWindow): the messages of the last
// run of the order checker, one per line. A click on a message that names a
// region or unit asks to go there (linkActivated). The list stays until the
// next run; it empties when the report's objects are freed, since its links
// point into them.
class TKCheckMessagesWindow : public QWidget {
    Q_OBJECT
public:
    explicit TKCheckMessagesWindow(TReportDocument& document, QWidget* parent = nullptr);

    void ShowResults(const CheckerResults& results);
    // The list (ListBox1).
    QListWidget& List() const { return *FList; }

signals:
    void linkActivated(maprune::CheckerLink link);

private:
    void Clear();

    QListWidget* FList = nullptr; // ListBox1
    std::vector<CheckerLink> FLinks; // beside the lines
};

} // namespace maprune

Q_DECLARE_METATYPE(maprune::CheckerLink)
