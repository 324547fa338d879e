// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dialogs.h"

namespace maprune {

DialogButton SilentDialogs::ShowMessage(MessageKind, const std::string&, DialogButtons buttons)
{
    for (unsigned bit = 1; bit != 0 && bit <= ButtonYesToAll; bit <<= 1) {
        if (buttons & bit)
            return static_cast<DialogButton>(bit);
    }
    return ButtonOk;
}

} // namespace maprune
