// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QUndoStack;

namespace maprune {

// "&Rückgängig" and "&Wiederholen" follow `stack`: enabled when there is an
// edit to take back or do again, and named after it ("&Rückgängig: Befehle
// von Einheit 2u").
void BindUndoEntries(QUndoStack& stack, QAction& undo, QAction& redo);

} // namespace maprune
