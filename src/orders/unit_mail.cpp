// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/unit_mail.h"

#include "config/settings.h"
#include "core/desktop_services.h"
#include "core/mailto_url.h"
#include "core/text_encoding.h"
#include "model/party.h"
#include "model/report.h"
#include "model/unit.h"

namespace maprune {

UnitMailOptions UnitMailOptionsFrom(const TSettings& settings)
{
    return { settings.Mail_Party.Get(), settings.Mail_Unit.Get(),
        settings.Mail_Unit_Address.Get() };
}

std::optional<std::string> UnitMailUrl(
    const TReport& report, const TUnit& unit, const UnitMailOptions& options)
{
    const std::string game = DisplayText(report.Game);
    const std::string number = report.FormatNr(unit.Nr);
    if (const TParty* party = report.FindParty(unit.Party)) {
        if (!options.MailParty)
            return std::nullopt;
        return MailtoUrl(DisplayText(party->EMail), game + " - Einheit " + number);
    }
    if (!options.MailUnit)
        return std::nullopt;
    std::string address = options.UnitAddress;
    const size_t placeholder = address.find("[x36]");
    if (placeholder != std::string::npos)
        address.replace(placeholder, 5, number);
    return MailtoUrl(address, game);
}

void MailToUnit(const TReport& report, const TUnit& unit, const UnitMailOptions& options,
    DesktopServices& desktop)
{
    if (const std::optional<std::string> url = UnitMailUrl(report, unit, options))
        desktop.OpenUrl(*url);
}

} // namespace maprune
