// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialogs.h"

namespace maprune::cli {

// The command-line tool's answer to the core's messages: the text goes to
// standard error. A message with one button needs no answer. A question is
// asked on the terminal when standard input is one; without a person it
// takes its safe answer (No, Cancel, Abort), unless the user said yes
// beforehand (`yes`, from --yes), which then answers Yes or OK.
class StderrDialogs : public Dialogs {
public:
    explicit StderrDialogs(bool yes = false)
        : FYes(yes)
    {
    }
    DialogButton ShowMessage(
        MessageKind kind, const std::string& text, DialogButtons buttons) override;

private:
    bool FYes;
};

// The one instance that the tool hands to the core; lives until exit.
Dialogs& ToolDialogs();

} // namespace maprune::cli
