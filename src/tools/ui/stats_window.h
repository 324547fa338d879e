// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QDialog>

class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QTabWidget;
class QValueAxis;

namespace maprune {

class TColourList;
class TReportDocument;

// "Statistik": the standing of the active party and, per party, its goods,
// buildings, ships and talents, and the totals of the selected regions. All
// figures are computed anew on showing and on every choice; the window
// keeps no model objects.
class TStatsWindow : public QDialog {
    Q_OBJECT
public:
    explicit TStatsWindow(TReportDocument& document, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return FTabs; }
    QLineSeries* Series() const { return FSeries; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildStandardTab();
    QWidget* BuildTalentTab();
    void Refill();
    void ShowParty();
    void ShowTalent();
    int32_t ChosenParty() const;

    TReportDocument& FDocument;
    QLabel* FStanding = nullptr; // Label1
    QComboBox* FParties = nullptr; // ComboBox1
    QTabWidget* FTabs = nullptr;
    TColourList* FGoods = nullptr; // ListBox1
    TColourList* FBuildings = nullptr; // ListBox2
    TColourList* FShips = nullptr; // ListBox3
    QComboBox* FTalents = nullptr; // ComboBox2
    std::array<QLabel*, 3> FFigures {}; // Label7, Label8, Label10
    QLabel* FTopNote = nullptr;
    QChart* FChart = nullptr; // Chart1
    QLineSeries* FSeries = nullptr; // Series1
    QValueAxis* FLevels = nullptr;
    QValueAxis* FPersons = nullptr;
    TColourList* FSelected = nullptr; // ListBox4
};

} // namespace maprune
