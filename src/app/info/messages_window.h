// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QWidget>

#include "tools/messages/message_tabs.h"

class QLineEdit;
class QListWidgetItem;
class QTabWidget;

namespace maprune {

class TColourList;
class TRegion;
class TReport;
class TReportDocument;

// "Meldungen": the own party's messages by kind and the messages, events
// and surroundings of every region and unit, one tab each (TabSheet1 ...
// TabSheet11 with ListBox1 ... ListBox11 in PageControl1, whose captions
// stand on two rows of buttons TabButton1 ... TabButton11). Above each list
// a filter field (Filter1 ... Filter11) hides the lines that do not contain
// its text. The window keeps only texts and region coordinates, never model
// objects. It is filled when shown (TFillWhenShown).
class TMessagesWindow : public QWidget {
    Q_OBJECT
public:
    TMessagesWindow(TReportDocument& document, QWidget* parent = nullptr);

    // Rebuilds every tab from `report` (null: all empty).
    void Fill(const TReport* report);

private:
    struct Tab {
        MessageTab Content;
        TColourList* List = nullptr;
        QLineEdit* Filter = nullptr;
    };

    QWidget* BuildTabRows();
    QWidget* BuildTab(Tab& tab, int number);
    void ShowLines(Tab& tab);
    void OpenLine(const Tab& tab, const QListWidgetItem& item);

    TReportDocument& FDocument;
    QTabWidget* FPages = nullptr; // PageControl1
    std::array<Tab, kMessageTabCount> FTabs;
};

} // namespace maprune
