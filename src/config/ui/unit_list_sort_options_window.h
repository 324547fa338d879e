// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QDialog>

#include "config/unit_sort_criteria.h"
#include "config/unit_sort_lists.h"

class QListWidget;

namespace maprune {

class Dialogs;
class TSettings;

// "Sortierung der Einheitenliste im Regionsfenster": moves sort criteria
// between the available ones (left) and the chosen order (right). Showing
// fills both lists from UnitListSortOptions; closing stores the right
// list's names joined by "|" and announces the new order.
class TUnitListSortOptionsWindow : public QDialog {
    Q_OBJECT
public:
    // `criteria` must outlive the window.
    TUnitListSortOptionsWindow(TSettings& settings, const UnitSortCriteria& criteria,
        Dialogs& dialogs, QWidget* parent = nullptr);

    void done(int result) override;

signals:
    // UnitListSortOptions was stored; the region window sorts its list anew.
    void sortOrderChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Refills both list widgets, selecting `chosenRow` on the right if given.
    void ShowLists(std::optional<int> chosenRow = std::nullopt);

    TSettings& FSettings;
    const UnitSortCriteria& FCriteria;
    Dialogs& FDialogs;
    UnitSortLists FLists;
    QListWidget* FAvailable;
    QListWidget* FChosen;
};

} // namespace maprune
