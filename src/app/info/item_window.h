// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QDialog>

#include "tools/reference/item_table.h"

class QComboBox;
class QLabel;
class QTreeWidget;

namespace maprune {

// "Gegenstände in Kelvaran": the item records of the game reference data
// with weight, capacity and class (ListView1), filtered by class
// (ComboBox1: all or one class), and the description of the chosen item
// (Label1). Modal, filled on every showing.
class TItemWindow : public QDialog {
    Q_OBJECT
public:
    explicit TItemWindow(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowClass(int comboIndex);
    void ShowDescription();

    QComboBox* FClasses = nullptr;
    QTreeWidget* FItems = nullptr;
    QLabel* FDescription = nullptr;
    std::vector<ItemRow> FRows;
};

} // namespace maprune
