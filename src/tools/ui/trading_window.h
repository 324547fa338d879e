// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "tools/trade/trade_inputs.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace maprune {

class Dialogs;
class TReportDocument;

// "Handelsrouten" (TTradingWindow): the costs, talents and speeds of a
// trade journey (Edit1 .. Edit7, parsed in the user's locale), the travel
// mode (RadioGroup1), the order of the sort criteria (ListBox1), the castle
// check (CheckBox1) and "berechnen", which fills the result list XListBox1
// with the lines of FindTradeRoutes behind a progress window that can stop
// it. `document` and `dialogs` must outlive it.
class TTradingWindow : public QWidget {
    Q_OBJECT
public:
    TTradingWindow(TReportDocument& document, Dialogs& dialogs, QWidget* parent = nullptr);

    // The inputs as typed; throws Error with the conversion message for a
    // text that is no number in the user's locale.
    TradeInputs Inputs() const;
    // Runs the search and shows its lines.
    void Compute();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* AddEdit(const QString& name, const QString& text);
    void MoveCriterion(int by);

    TReportDocument& FDocument;
    Dialogs& FDialogs;
    bool FComputing = false;
    bool FStop = false;
    QLineEdit* FSilver = nullptr; // Edit1
    QLineEdit* FWeightUnits = nullptr; // Edit4
    QLineEdit* FFixed = nullptr; // Edit2
    QLineEdit* FBuyer = nullptr; // Edit3
    QLineEdit* FSeller = nullptr; // Edit5
    QLineEdit* FShipSpeed = nullptr; // Edit6
    QLineEdit* FMinimum = nullptr; // Edit7
    QRadioButton* FModes[4] {};
    QListWidget* FCriteria = nullptr; // ListBox1
    QCheckBox* FCastles = nullptr; // CheckBox1
    QPushButton* FCompute = nullptr; // Button1
    QListWidget* FResults = nullptr; // XListBox1
};

} // namespace maprune
