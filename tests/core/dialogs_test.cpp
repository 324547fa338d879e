// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/dialogs.h"

using namespace maprune;

TEST(SilentDialogs, AnswersWithTheFirstOfferedButton)
{
    SilentDialogs dialogs;
    EXPECT_EQ(dialogs.ShowMessage(MessageKind::Confirmation, "?", ButtonNo | ButtonYes), ButtonYes);
    EXPECT_EQ(dialogs.ShowMessage(MessageKind::Error, "!", ButtonOk), ButtonOk);
    EXPECT_EQ(dialogs.ShowMessage(MessageKind::Warning, "!", ButtonYesToAll | ButtonNoToAll),
              ButtonNoToAll);
}
