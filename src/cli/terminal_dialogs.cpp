// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_dialogs.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "core/error.h"

namespace maprune::cli {

namespace {

// The answer line; none at the end of the input.
std::optional<std::string> AskLine(const std::string& prompt)
{
    std::cerr << prompt << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer))
        return std::nullopt;
    return answer;
}

bool IsYes(const std::string& answer)
{
    return answer == "j" || answer == "J" || answer == "ja" || answer == "Ja" || answer == "y"
           || answer == "yes";
}

} // namespace

DialogButton TerminalDialogs::ShowMessage(MessageKind kind, const std::string& text, DialogButtons buttons)
{
    const bool yesNo = (buttons & ButtonYes) != 0 && (buttons & ButtonNo) != 0;
    const bool okCancel = (buttons & ButtonOk) != 0 && (buttons & ButtonCancel) != 0;
    if (!yesNo && !okCancel) {
        std::cerr << text << '\n';
        return SilentDialogs().ShowMessage(kind, text, buttons);
    }
    if (yesNo && FFixedAnswer)
        return *FFixedAnswer ? ButtonYes : ButtonNo;
    if (!FInteractive)
        throw Error(text);
    const bool yes = IsYes(AskLine(text + " [j/n] ").value_or(""));
    if (yesNo)
        return yes ? ButtonYes : ButtonNo;
    return yes ? ButtonOk : ButtonCancel;
}

std::optional<size_t> TerminalShiftChooser::ChooseShift(const std::vector<ScoredShift>& shifts)
{
    if (!FInteractive)
        throw Error(kCaption);
    std::cerr << kCaption << '\n' << kText << '\n';
    for (size_t i = 0; i < shifts.size(); ++i)
        std::cerr << "  " << i + 1 << ": " << Line(shifts[i]) << '\n';
    // Enter takes the first line, which the window preselects.
    const std::optional<std::string> answer = AskLine("Nummer (Enter: 1, 0: Abbrechen): ");
    if (!answer)
        return std::nullopt;
    if (answer->empty())
        return 0;
    try {
        const unsigned long number = std::stoul(*answer);
        if (number >= 1 && number <= shifts.size())
            return static_cast<size_t>(number - 1);
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace maprune::cli
