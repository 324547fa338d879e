// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/dialogs.h"

// Answers messages from a script (the first offered button once the script
// is used up) and records what was shown.
class ScriptedDialogs : public maprune::Dialogs {
public:
    struct Shown {
        maprune::MessageKind kind;
        std::string text;
    };

    std::deque<maprune::DialogButton> answers;
    std::vector<Shown> shown;
    // Runs when a message is shown, before it is answered.
    std::function<void(const std::string&)> onShow;

    maprune::DialogButton ShowMessage(
        maprune::MessageKind kind, const std::string& text, maprune::DialogButtons buttons) override
    {
        shown.push_back({ kind, text });
        if (onShow)
            onShow(text);
        if (!answers.empty()) {
            const maprune::DialogButton answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return maprune::SilentDialogs().ShowMessage(kind, text, buttons);
    }
};
