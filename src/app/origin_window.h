// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace maprune {

class TReport;

// "Ursprung": moves the origin of the open report's active layer. The two
// fields (x, y; -999..999) keep their values between showings; showing
// presets them with the one selected region's coordinates when exactly one
// is selected, and puts the focus on "setzen".
class TOriginWindow : public QDialog {
    Q_OBJECT
public:
    explicit TOriginWindow(QWidget* parent = nullptr);

    // Shows the window modally over `report`. "setzen" with values other
    // than (0, 0) returns them: the position that is to become (0, 0) of the
    // active layer. Closing the window, or (0, 0), returns none.
    std::optional<std::pair<int32_t, int32_t>> Run(const TReport& report);

    QSpinBox* XField() const { return FX; }
    QSpinBox* YField() const { return FY; }
    QPushButton* SetButton() const { return FSet; }

private:
    QSpinBox* FX = nullptr;
    QSpinBox* FY = nullptr;
    QPushButton* FSet = nullptr;
};

} // namespace maprune
