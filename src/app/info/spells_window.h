// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace maprune {

class TColourList;
class TReport;
class TReportDocument;

// "Zauber & Tränke" (Form15): the report's spells (TabSheet1, XListBox1)
// and potions (TabSheet2, XListBox2) in PageControl1. Filled when shown
// (TFillWhenShown).
class TForm15 : public QWidget {
    Q_OBJECT
public:
    explicit TForm15(TReportDocument& document, QWidget* parent = nullptr);

    void Fill(const TReport* report);

private:
    TColourList* FSpells = nullptr;
    TColourList* FPotions = nullptr;
};

} // namespace maprune
