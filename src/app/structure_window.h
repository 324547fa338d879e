// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

namespace maprune {

class TRegion;
class TReport;
class TReportDocument;
class TReportItem;
class TSettings;

// "Struktur": the open report as a tree of regions with their buildings,
// ships and units, each with its values on demand. Which kinds of entries
// it shows is the bit set TreeWindowSettings (1 regions, 2 region details,
// 4 buildings, 8 building details, 16 ships, 32 ship details, 64 units,
// 128 unit details), chosen in the tree's popup menu. Branches are filled
// when first opened, so that a large database costs nothing until looked
// at. The tree holds pointers into the report; it follows the document and
// drops them before the document frees model objects. Values are shown with
// their German labels (PropertyLines, as `maprune-cli structure` prints
// them); the entry of the current region is selected and scrolled into view.
class TStructureWindow : public QWidget {
    Q_OBJECT
public:
    TStructureWindow(TSettings& settings, TReportDocument& document, QWidget* parent = nullptr);

    // Shows `report` (null: nothing); also to refresh after a change. A
    // hidden window only forgets the old tree and builds the new one when
    // it is shown.
    void SetReport(const TReport* report);
    QTreeWidget* Tree() const { return FTree; }
    // Selects the entry of `region` (null: none), a region of the report.
    void ShowRegion(const TRegion* region);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Rebuild();
    void ShowPopupMenu(const QPoint& position);
    // Fills a branch whose children were left for its first opening.
    void FillBranch(QTreeWidgetItem* branch);
    // Adds the entries of `item` (a region, building, ship or unit) that
    // the settings ask for below `parent` (null: at the top).
    void AddEntry(QTreeWidgetItem* parent, const TReportItem& item);
    // The buildings, ships and units of `region`, as far as shown.
    void AddContents(QTreeWidgetItem* parent, const TRegion& region);

    TSettings& FSettings;
    QTreeWidget* FTree = nullptr;
    const TReport* FReport = nullptr;
    const TRegion* FCurrent = nullptr;
    QHash<const TRegion*, QTreeWidgetItem*> FRegionEntries;
    bool FStale = false;
};

} // namespace maprune
