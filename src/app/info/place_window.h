// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "tools/regions/place_view.h"

namespace maprune {

class TColourList;

// The building window and the ship window: one modal list of a building's
// or ship's units and state, made from a region window line. It keeps no
// model objects; a double-click on a unit line asks for that unit.
class TPlaceWindow : public QDialog {
    Q_OBJECT
public:
    TPlaceWindow(const PlaceView& view, bool ship, QWidget* parent = nullptr);

    TColourList* List() const { return FList; }

signals:
    // A unit line was double-clicked; its text names the unit.
    void unitLineChosen(const QString& line);

private:
    TColourList* FList = nullptr;
};

} // namespace maprune
