// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "core/dialogs.h"
#include "report/shift_chooser.h"

namespace maprune::cli {

// The merge command's answers to the core's messages. Messages with only an
// OK button go to standard error. Yes/No questions (those of order files)
// are answered by `fixedAnswer` (--yes, --no) when given; any other question
// is asked on the terminal when standard input is one, and otherwise ends
// the file being added with an Error carrying the question's text.
class TerminalDialogs : public Dialogs {
public:
    TerminalDialogs(std::optional<bool> fixedAnswer, bool interactive)
        : FFixedAnswer(fixedAnswer), FInteractive(interactive)
    {
    }
    DialogButton ShowMessage(MessageKind kind, const std::string& text, DialogButtons buttons) override;

private:
    std::optional<bool> FFixedAnswer;
    bool FInteractive;
};

// The choice among several shifts on the terminal: the numbered lines of the
// choice window, then the number of the chosen line (empty to cancel).
// Without a terminal it fails with the window's caption.
class TerminalShiftChooser : public ShiftChooser {
public:
    explicit TerminalShiftChooser(bool interactive) : FInteractive(interactive) {}
    std::optional<size_t> ChooseShift(const std::vector<ScoredShift>& shifts) override;

private:
    bool FInteractive;
};

} // namespace maprune::cli
