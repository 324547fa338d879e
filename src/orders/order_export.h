// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "orders/text_lines.h"
#include "orders/vorlage.h"

namespace maprune {

class Dialogs;
class ProcessRunner;
class TReport;
class TSettings;

// Where the order file comes from (the settings VORLAGE_Use, VORLAGE_Path
// and VORLAGE_Parameters).
struct OrderExportOptions {
    bool UseVorlage = false;
    VorlageOptions Vorlage;
};

OrderExportOptions OrderExportOptionsFrom(const TSettings& settings);

// The order file that the clipboard, file and mail actions hand on: VORLAGE's
// (RunVorlage, no messages file) with UseVorlage, else BuildOrderFile's.
// Returns nothing when there is none to hand on, its message shown: no
// active party (kNoActivePartyMessage, also before VORLAGE is started, since
// an order file without its PARTEI line is refused by the server), VORLAGE
// not started, or cancelled. Throws what RunVorlage throws.
std::optional<TextLines> GetOrderFile(const TReport& report, const OrderExportOptions& options,
    ProcessRunner& runner, Dialogs& dialogs);

} // namespace maprune
