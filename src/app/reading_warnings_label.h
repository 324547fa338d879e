// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace maprune {

// The status bar's note that the last read or add had warnings of the CR
// reader ("3 Warnungen beim Lesen – siehe Log-Datei", for one "1 Warnung ..."); a click on it asks
// for the log window. Hidden while there are none.
class TReadingWarningsLabel : public QLabel {
    Q_OBJECT
public:
    explicit TReadingWarningsLabel(QWidget* parent = nullptr);

    // Shows the note for `count` warnings; 0 hides it.
    void ShowCount(int count);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace maprune
