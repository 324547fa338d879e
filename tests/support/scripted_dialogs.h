// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/dialogs.h"

namespace maprune::test {

// A Dialogs for tests: remembers every message and answers with the next
// scripted button, or with the first offered one when the script is empty.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        MessageKind kind;
        std::string text;
        DialogButtons buttons;
    };

    std::deque<DialogButton> answers;
    std::vector<Message> shown;
    // Runs when a message is shown, before it is answered.
    std::function<void(const std::string&)> onShow;

    DialogButton ShowMessage(
        MessageKind kind, const std::string& text, DialogButtons buttons) override
    {
        shown.push_back({ kind, text, buttons });
        if (onShow)
            onShow(text);
        if (!answers.empty()) {
            const DialogButton answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return SilentDialogs().ShowMessage(kind, text, buttons);
    }
};

} // namespace maprune::test
