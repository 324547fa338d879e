// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace maprune {

class Dialogs;
class TColourList;
class TRegion;
class TReport;
class TReportDocument;
class TSettings;
class TUnit;
struct RegionStatistics;

// "Region" (Form2): everything known of the document's current region: its
// values and prices, its units, buildings and ships, comments, statistics
// per party and the units passing through. It follows the document, drops
// its region before the document frees it, and rebuilds only when report or
// region changed.
class TRegionWindow : public QWidget {
    Q_OBJECT
public:
    TRegionWindow(TSettings& settings, TReportDocument& document, Dialogs& dialogs,
        QWidget* parent = nullptr);

    // Shows `region` of `report` (either may be null); nothing happens when
    // both are the ones shown.
    void Update(TReport* report, TRegion* region);

    // Where "+" takes a new comment line from; empty: none was entered.
    // The default asks in TAddRegionCommentWindow.
    void SetCommentAsker(std::function<QString(QWidget* parent)> ask);

    // Selects the unit `step` lines further (negative: back), within the list.
    void StepUnit(int step);

    // The unit of unit line `row` (null outside the list).
    TUnit* UnitAt(int row) const;

    // Selects the line of `unit` on the unit tab, which it brings to the
    // front; null (or a unit not listed) clears the selection.
    void SelectUnitLine(const TUnit* unit);

signals:
    // The unit selected in the list (null: none), for the unit window.
    void unitSelected(maprune::TUnit* unit);
    // A double-click on an own unit, here or in a building or ship window.
    void unitOpened(maprune::TUnit* unit);
    // A double-click on another party's unit: mail to it.
    void mailRequested(maprune::TUnit* unit);
    // A value or list entry asks for its course over the turns.
    void seriesRequested(const QString& expression, const QString& title);
    // The mouse came over the window: the map's hover must not change the
    // region under the user.
    void entered();

protected:
    void enterEvent(QEnterEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildValues();
    QWidget* BuildCommentTab();
    QWidget* BuildStatisticsTab();
    void ConnectLists();
    void Refill();
    // The lines of the unit list anew (an edited first order), the chosen
    // unit kept.
    void RefreshUnitLines();
    // Own units whose orders the check finds fault with get a mark.
    void MarkUnitOrders();
    void ShowStatistics(const RegionStatistics& statistics);
    void SelectUnit(int row);
    void AddComment();
    void DeleteComment();
    // The region's comments changed: the report counts as changed and the
    // next update rebuilds.
    void ShowListMenu(TColourList* list, const QPoint& position);
    // The building or ship window of a list line, modal.
    void OpenPlace(const QString& line, bool ship);

    TSettings& FSettings;
    TReportDocument& FDocument;
    Dialogs& FDialogs;
    std::function<QString(QWidget*)> FAskComment;

    TReport* FReport = nullptr;
    TRegion* FRegion = nullptr;
    std::vector<TUnit*> FUnits; // beside the unit lines
    int32_t FStatisticsParty = -1;

    std::array<QLabel*, 9> FValueCaptions {};
    std::array<QLabel*, 9> FValues {};
    TColourList* FPrices = nullptr; // ListBox1
    QTabWidget* FTabs = nullptr;
    TColourList* FUnitList = nullptr; // ListBox2
    TColourList* FBuildings = nullptr; // ListBox3
    TColourList* FShips = nullptr; // ListBox4
    TColourList* FComments = nullptr; // ListBox5
    QPushButton* FAddComment = nullptr; // Button1
    QPushButton* FDeleteComment = nullptr; // Button2
    QComboBox* FParties = nullptr; // ComboBox1
    TColourList* FGoods = nullptr; // ListBox6
    TColourList* FTalents = nullptr; // ListBox8
    TColourList* FPassthrough = nullptr; // ListBox7
};

} // namespace maprune
