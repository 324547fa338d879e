// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/order_export.h"

#include "config/settings.h"
#include "core/dialogs.h"
#include "model/report.h"
#include "orders/order_file.h"

namespace maprune {

OrderExportOptions OrderExportOptionsFrom(const TSettings& settings)
{
    return { settings.VORLAGE_Use.Get(),
        { settings.VORLAGE_Path.Get(), settings.VORLAGE_Parameters.Get() } };
}

std::optional<TextLines> GetOrderFile(const TReport& report, const OrderExportOptions& options,
    ProcessRunner& runner, Dialogs& dialogs)
{
    if (report.FindParty(report.ActiveParty) == nullptr) {
        dialogs.ShowMessage(MessageKind::Information, kNoActivePartyMessage, ButtonOk);
        return std::nullopt;
    }
    if (options.UseVorlage)
        return RunVorlage(report, options.Vorlage, {}, runner, dialogs);
    return BuildOrderFile(report, dialogs);
}

} // namespace maprune
