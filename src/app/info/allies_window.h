// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace maprune {

class TColourList;
class TReport;
class TReportDocument;

// "Alliierte": the allies of the own party (XListBox1), by category and
// party number. Filled when shown (TFillWhenShown).
class TAlliesWindow : public QWidget {
    Q_OBJECT
public:
    explicit TAlliesWindow(TReportDocument& document, QWidget* parent = nullptr);

    void Fill(const TReport* report);

private:
    TColourList* FList = nullptr;
};

} // namespace maprune
