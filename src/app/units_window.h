// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

#include "tools/selected_units.h"
#include "tools/ui/colour_list.h"

namespace maprune {

class TReport;
class TReportDocument;
class TSettings;

// "Einheiten in den ausgewählten Regionen": one line per unit of the
// selected regions of every layer (ListBox1), own units first, then allied,
// hidden and other parties' units, each group in its own colours. It
// refills from the document after every change of report or selection,
// shown or not. Closing only hides it. `settings` (for the unit display
// options) and `document` must outlive it.
class TUnitsWindow : public QWidget {
    Q_OBJECT
public:
    TUnitsWindow(TSettings& settings, TReportDocument& document, QWidget* parent = nullptr);

    // Whether the list follows the document; off (NoUnitWindow) it stays
    // empty. Refills at once.
    void SetFollowing(bool following);

    // Fills the list from the selected regions of `report`; empties it
    // when `enabled` is false (the menu entry "&Einheiten" is disabled) or
    // `report` is null. The report is not kept.
    void Refill(const TReport* report, bool enabled);

    TColourList* List() const { return FList; }

    // Text and background colour of the lines of `category`.
    static QColor TextColour(PartyCategory category);
    static QColor BackgroundColour(PartyCategory category);

signals:
    // The user closed the window (the menu item "&Einheiten" unchecks).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RefillFromDocument();

    TSettings& FSettings;
    TReportDocument& FDocument;
    bool FFollowing = true;
    TColourList* FList = nullptr;
};

} // namespace maprune
