// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace maprune {

class DesktopServices;
class TReport;
class TSettings;
class TUnit;

// Whom a double-click on a foreign unit writes to (Mail_Party, Mail_Unit,
// Mail_Unit_Address).
struct UnitMailOptions {
    bool MailParty = false;
    bool MailUnit = false;
    std::string UnitAddress; // "[x36]" stands for the unit's number
};

UnitMailOptions UnitMailOptionsFrom(const TSettings& settings);

// The "mailto:" URL for mail about `unit`: to its party's EMail with the
// subject "<game> - Einheit <nr>" when the party is in the report (and
// Mail_Party is on), else to the unit's own address with the game as subject
// (when Mail_Unit is on). Nothing when the setting that applies is off. Every
// part is percent-encoded (MailtoUrl).
std::optional<std::string> UnitMailUrl(
    const TReport& report, const TUnit& unit, const UnitMailOptions& options);

// Opens UnitMailUrl with the desktop's mail program; does nothing without one.
void MailToUnit(const TReport& report, const TUnit& unit, const UnitMailOptions& options,
    DesktopServices& desktop);

} // namespace maprune
