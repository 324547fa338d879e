// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QWidget>

#include "tools/changes/change_list.h"
#include "tools/changes/turn_changes.h"

class QLabel;
class QLineEdit;
class QListWidgetItem;
class QSpinBox;

namespace maprune {

class TColourList;
class TRegion;
class TReport;
class TReportDocument;
class TSettings;
class TUnit;

// "Veränderungen": what changed from one turn of the database to another
// (the report's turn and the one before unless the user picks others), one
// heading per kind and party category, each change in the list colours of
// its party. A filter field keeps the lines that contain its text. A click
// on a change centres the map on its region, a double-click opens the unit,
// building or ship. The window keeps texts and coordinates, never model
// objects; it refills whenever the document's report changes, while hidden
// only once it is shown again (comparing a big database's turns would
// otherwise slow every opening).
class TChangesWindow : public QWidget {
    Q_OBJECT
public:
    TChangesWindow(TSettings& settings, TReportDocument& document, QWidget* parent = nullptr);

    // Compares the two default turns of `report` again (null: empty).
    void Fill(const TReport* report);
    // Compares turns `from` and `to` of the document's report; a hidden
    // window takes the turns and compares when it is shown.
    void Compare(int32_t from, int32_t to);

    TColourList* List() const { return FList; }
    const std::vector<TurnChange>& Changes() const { return FChanges; }
    // The turns compared last (From -1: none older).
    ChangeTurns Turns() const { return FTurns; }

signals:
    // A change of a unit was double-clicked.
    void unitOpened(maprune::TUnit* unit);
    // The window compared turns anew (another report or other turns).
    void compared();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowLines();
    const TurnChange* ChangeOf(const QListWidgetItem* item) const;
    void Clicked(const QListWidgetItem* item);
    void DoubleClicked(const QListWidgetItem* item);
    void OpenPlace(const TurnChange& change);

    TSettings& FSettings;
    TReportDocument& FDocument;
    QSpinBox* FFrom = nullptr;
    QSpinBox* FTo = nullptr;
    QLabel* FSummary = nullptr;
    QLineEdit* FFilter = nullptr;
    TColourList* FList = nullptr;
    ChangeTurns FTurns;
    bool FComparePending = false;
    std::vector<TurnChange> FChanges;
    std::vector<ChangeLine> FLines;
};

} // namespace maprune
