// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "report/shift_chooser.h"

class QListWidget;
class QPushButton;

namespace maprune {

// "mehrere Koordinatenursprungsanpassungsmöglichkeiten gefunden": the
// user's choice among the shifts that the origin search accepted for a
// layer, one line per shift, best first. The first line is selected when
// the window opens; "OK" takes the selected line and is disabled while no
// line is selected; "Abbrechen" or closing refuses every shift.
class TMPAWindow : public QDialog, public ShiftChooser {
    Q_OBJECT
public:
    explicit TMPAWindow(QWidget* parent = nullptr);

    // Shows the window modally.
    std::optional<size_t> ChooseShift(const std::vector<ScoredShift>& shifts) override;

    QListWidget* List() const { return FList; }
    QPushButton* OkButton() const { return FOk; }
    QPushButton* CancelButton() const { return FCancel; }

private:
    QListWidget* FList = nullptr;
    QPushButton* FOk = nullptr;
    QPushButton* FCancel = nullptr;
};

} // namespace maprune
