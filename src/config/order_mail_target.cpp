// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/order_mail_target.h"

#include "config/settings.h"
#include "core/text_encoding.h"
#include "model/report.h"

namespace maprune {

namespace {

std::string Choose(const TRegistryString& setting, const std::string& fromReport)
{
    if (setting.IsDefault() && !fromReport.empty())
        return DisplayText(fromReport);
    return setting.Get();
}

} // namespace

OrderMailTarget ChooseOrderMailTarget(const TSettings& settings, const TReport& report)
{
    return OrderMailTarget { Choose(settings.Mail_Commands_Address, report.OrderAddress),
        Choose(settings.Mail_Commands_Subject, report.OrderSubject) };
}

} // namespace maprune
