// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QWidget>

class QLabel;

namespace maprune {

class TReportDocument;
class TUnit;

// "Einheit": camouflage, party camouflage, guard, siege, size, weight and
// position of the unit selected in the region window. It keeps no unit:
// the labels are filled when one is shown and emptied when the document
// frees model objects.
class TUnitWindow : public QWidget {
    Q_OBJECT
public:
    explicit TUnitWindow(TReportDocument& document, QWidget* parent = nullptr);

    // Shows `unit` of the document's report (null: none).
    void ShowUnit(const TUnit* unit);

private:
    TReportDocument& FDocument;
    std::array<QLabel*, 7> FLabels {};
};

} // namespace maprune
