// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/undo_entries.h"

#include <QAction>
#include <QUndoStack>

namespace maprune {

namespace {

void Follow(QAction& entry, const QString& caption, bool enabled, const QString& edit)
{
    entry.setEnabled(enabled);
    entry.setText(enabled ? caption + QStringLiteral(": ") + edit : caption);
}

} // namespace

void BindUndoEntries(QUndoStack& stack, QAction& undo, QAction& redo)
{
    const QString undoCaption = undo.text();
    const QString redoCaption = redo.text();
    const auto update = [&stack, &undo, &redo, undoCaption, redoCaption] {
        Follow(undo, undoCaption, stack.canUndo(), stack.undoText());
        Follow(redo, redoCaption, stack.canRedo(), stack.redoText());
    };
    QObject::connect(&stack, &QUndoStack::indexChanged, &undo, update);
    QObject::connect(&stack, &QUndoStack::cleanChanged, &undo, update);
    QObject::connect(&undo, &QAction::triggered, &stack, &QUndoStack::undo);
    QObject::connect(&redo, &QAction::triggered, &stack, &QUndoStack::redo);
    update();
}

} // namespace maprune
