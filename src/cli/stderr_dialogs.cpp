// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stderr_dialogs.h"

#include <iostream>

namespace maprune::cli {

DialogButton StderrDialogs::ShowMessage(
    MessageKind kind, const std::string& text, DialogButtons buttons)
{
    std::cerr << text << '\n';
    return SilentDialogs().ShowMessage(kind, text, buttons);
}

Dialogs& ToolDialogs()
{
    static StderrDialogs dialogs;
    return dialogs;
}

} // namespace maprune::cli
