// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

#include "orders/checker_results.h"

class QLabel;
class QPlainTextEdit;

namespace maprune {

class TOrderAssist;
struct DocumentChange;
class TRegion;
class TReportDocument;
class TUnit;

// "Einheiten-Befehle": the orders of the unit selected in the region window.
// Only an own unit's orders can be edited; every change is written through
// to its Commands at once, as an edit of the document. Alt with the arrow
// keys moves to the neighbouring region, Alt with PageUp and PageDown to the
// previous and next unit of the region window. The orders are checked as
// they are typed and completed on Ctrl+Space (TOrderAssist); the order
// checker's last messages about the unit stand at their lines.
class TUnitCommandWindow : public QWidget {
    Q_OBJECT
public:
    explicit TUnitCommandWindow(TReportDocument& document, QWidget* parent = nullptr);

    // Shows `unit` (null: none) of the document's current region; loading
    // its orders is no change.
    void ShowUnit(TUnit* unit);

    // The messages of an order checker run; those about a unit's orders
    // are shown when the unit is.
    void ShowCheckerMessages(const CheckerResults& results);

    QPlainTextEdit* Editor() const { return FEditor; }
    TOrderAssist& Assist() const { return *FAssist; }
    QLabel* WeightLine() const { return FWeights; }

signals:
    // The previous (-1) or next (+1) unit of the region window.
    void unitStepRequested(int step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WriteThrough();
    // Shows the orders again when an undo or redo changed them.
    void Follow(const DocumentChange& change);
    static QString OrdersText(const TUnit& unit);
    void GoTo(int dx, int dy);
    void ShowCheckerFindings();

    TReportDocument& FDocument;
    QLabel* FWeights = nullptr; // Label1
    QPlainTextEdit* FEditor = nullptr; // Memo1
    TUnit* FUnit = nullptr; // attached: its orders are edited
    TRegion* FRegion = nullptr;
    TOrderAssist* FAssist = nullptr;
    std::vector<CheckerEntry> FCheckerEntries; // those about a unit's order line
};

} // namespace maprune
