// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialogs.h"

namespace maprune::cli {

// The command-line tool's answer to the core's messages: the text goes to
// standard error and the first offered button is the answer, since there is
// nobody to ask.
class StderrDialogs : public Dialogs {
public:
    DialogButton ShowMessage(
        MessageKind kind, const std::string& text, DialogButtons buttons) override;
};

// The one instance that the tool hands to the core; lives until exit.
Dialogs& ToolDialogs();

} // namespace maprune::cli
