// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <vector>

#include <QDialog>

#include "tools/lines/category_lines.h"

class QLineEdit;
class QListWidgetItem;
class QTabWidget;

namespace maprune {

class Dialogs;
class TColourList;
class TRegion;
class TReportDocument;
class TSettings;
class TUnit;

// "Suche": buildings, ships, units and regions of the report found by
// patterns with "*", one tab each. The lists follow every edit of a field.
// A click on a hit asks to centre the map on its region, a double-click on
// an own building opens the building window, on an own unit the unit
// window. The window keeps only the texts of its lines.
class TSearchWindow : public QDialog {
    Q_OBJECT
public:
    TSearchWindow(TSettings& settings, TReportDocument& document, Dialogs& dialogs,
        QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return FTabs; }
    // The list of tab `tab` (0 buildings, 1 ships, 2 units, 3 regions).
    TColourList* List(int tab) const { return FLists[static_cast<size_t>(tab)]; }

signals:
    // An own unit was double-clicked.
    void unitOpened(maprune::TUnit* unit);

protected:
    void showEvent(QShowEvent* event) override;

private:
    static constexpr size_t kTabs = 4;
    static constexpr size_t kItemTabs = 3;

    QWidget* BuildTab(size_t tab);
    void Refresh(size_t tab);
    void Clicked(size_t tab, const QListWidgetItem* item);
    void DoubleClicked(size_t tab, int row);
    QString Field(int nr) const;

    TSettings& FSettings;
    TReportDocument& FDocument;
    Dialogs& FDialogs;
    QTabWidget* FTabs = nullptr;
    std::array<QLineEdit*, 14> FEdits {}; // Edit1 .. Edit14
    std::array<TColourList*, kTabs> FLists {}; // XListBox1 .. XListBox4
    std::array<std::vector<CategoryLine>, kItemTabs> FLines; // beside the item lists
    bool FRegionsEdited = false; // the region list is filled only once asked
    bool FPlaced = false; // moved beside the map on its first showing
};

} // namespace maprune
