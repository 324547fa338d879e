// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QDialog>

#include "tools/regions/place_view.h"

namespace maprune {

class TColourList;
class TUnit;
class TReport;

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

// Shows `view` modally; a unit line chosen in it is looked up in `report`
// by the report's number base and handed to `unitChosen`.
void ExecPlaceWindow(const PlaceView& view, bool ship, const TReport& report, QWidget* parent,
    const std::function<void(TUnit*)>& unitChosen);

} // namespace maprune
