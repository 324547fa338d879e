// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

namespace maprune {

// "Regionskommentar hinzufügen": one line of comment for a region.
class TAddRegionCommentWindow : public QDialog {
    Q_OBJECT
public:
    explicit TAddRegionCommentWindow(QWidget* parent = nullptr);

    QString Line() const;

    // Shows the dialog; the line entered, empty when cancelled.
    static QString Ask(QWidget* parent);

private:
    QLineEdit* FLine = nullptr;
};

} // namespace maprune
