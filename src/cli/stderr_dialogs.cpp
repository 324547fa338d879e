// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stderr_dialogs.h"

#include <iostream>
#include <optional>

#include "cli/terminal_dialogs.h"
#include "platform/console.h"

namespace maprune::cli {

namespace {

// The first of `preferred` that `buttons` offers; else the first offered.
DialogButton Preferred(DialogButtons buttons, std::initializer_list<DialogButton> preferred)
{
    for (const DialogButton button : preferred) {
        if ((buttons & button) != 0)
            return button;
    }
    return SilentDialogs().ShowMessage(MessageKind::Information, {}, buttons);
}

bool IsQuestion(DialogButtons buttons)
{
    return (buttons & (buttons - 1)) != 0;
}

} // namespace

DialogButton StderrDialogs::ShowMessage(
    MessageKind kind, const std::string& text, DialogButtons buttons)
{
    if (!IsQuestion(buttons)) {
        std::cerr << text << '\n';
        return SilentDialogs().ShowMessage(kind, text, buttons);
    }
    if (FYes) {
        std::cerr << text << " Ja (--yes)\n";
        return Preferred(buttons, { ButtonYes, ButtonOk });
    }
    if (StdinIsTerminal())
        return TerminalDialogs(std::nullopt, true).ShowMessage(kind, text, buttons);
    std::cerr << text << " Nein (keine Eingabe vom Terminal; --yes antwortet Ja)\n";
    return Preferred(buttons, { ButtonNo, ButtonCancel, ButtonAbort });
}

Dialogs& ToolDialogs()
{
    static StderrDialogs dialogs;
    return dialogs;
}

} // namespace maprune::cli
