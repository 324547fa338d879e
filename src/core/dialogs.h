// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace maprune {

enum class MessageKind { Error, Warning, Information, Confirmation };

// Buttons of a message; a set of them is a bit mask of these values.
enum DialogButton : unsigned {
    ButtonOk = 1u << 0,
    ButtonCancel = 1u << 1,
    ButtonYes = 1u << 2,
    ButtonNo = 1u << 3,
    ButtonAbort = 1u << 4,
    ButtonRetry = 1u << 5,
    ButtonIgnore = 1u << 6,
    ButtonAll = 1u << 7,
    ButtonNoToAll = 1u << 8,
    ButtonYesToAll = 1u << 9,
};
using DialogButtons = unsigned;

// How the core asks the user something. The GUI shows a modal message box;
// tests and the command-line tool answer from a script. Texts are UTF-8.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows `text` and returns the button the user pressed (one of `buttons`).
    virtual DialogButton ShowMessage(MessageKind kind, const std::string& text,
                                     DialogButtons buttons) = 0;
};

// Answers every message with its first offered button and shows nothing.
class SilentDialogs : public Dialogs {
public:
    DialogButton ShowMessage(MessageKind kind, const std::string& text,
                             DialogButtons buttons) override;
};

} // namespace maprune
