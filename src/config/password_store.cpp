// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/password_store.h"

#include "config/settings.h"

namespace maprune {

std::string MailPasswordAccount(const TSettings& settings)
{
    return settings.Mail_Login.Get() + '@' + settings.Mail_Server.Get();
}

} // namespace maprune
