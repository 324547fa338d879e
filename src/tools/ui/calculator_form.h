// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;

namespace maprune {

class TReportDocument;

// "Taschenrechner": one input line and one read-only result line. Every
// change of the input, and every change of the report, evaluates the input
// over the open report (Calculate) and shows the value in navy blue, an
// unassigned result as "(Null)" in black, and a failure in red.
class TCalculatorForm : public QWidget {
    Q_OBJECT
public:
    explicit TCalculatorForm(TReportDocument& document, QWidget* parent = nullptr);

    QLineEdit* Input() const { return FInput; }
    QLineEdit* Result() const { return FResult; }

private:
    void Recalculate();

    TReportDocument& FDocument;
    QLineEdit* FInput = nullptr; // Edit1
    QLineEdit* FResult = nullptr; // Edit2
};

} // namespace maprune
