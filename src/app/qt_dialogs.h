// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "core/dialogs.h"

namespace maprune {

// The core's messages as modal message boxes with German titles and button
// texts, whatever translations are installed. The box is centred over the
// parent given (or the active window). The answer is always one of the
// offered buttons: closing the box counts as its Cancel, else No, else the
// first offered button.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr)
        : FParent(parent)
    {
    }

    void SetParent(QWidget* parent) { FParent = parent; }

    DialogButton ShowMessage(
        MessageKind kind, const std::string& text, DialogButtons buttons) override;

    // The German caption of a message box button ("&Ja", "Abbrechen" ...).
    static QString ButtonText(DialogButton button);
    // The German title of a message of `kind` ("Fehler", "Warnung" ...).
    static QString Title(MessageKind kind);

private:
    QPointer<QWidget> FParent;
};

} // namespace maprune
