// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_caption.h"

#include "core/text_encoding.h"
#include "model/game_date.h"
#include "model/report.h"

namespace maprune {

QString MainWindowCaption(const TReport* report, const QString& fileName)
{
    QString caption = QStringLiteral("Maprune");
    if (report != nullptr) {
        QString party;
        QString date;
        if (const TParty* own = report->FindParty(report->ActiveParty)) {
            party = QString::fromStdString(DisplayText(own->Name));
            date = QString::fromStdString(GameDate(report->Turn));
        }
        if (party.isEmpty() && !date.isEmpty()) {
            party = report->Game.empty() ? QStringLiteral("Kelvaran")
                                         : QString::fromStdString(DisplayText(report->Game));
        }
        if (!party.isEmpty())
            caption += QStringLiteral(" - ") + party;
        if (!date.isEmpty())
            caption += QStringLiteral(" im ") + date;
    }
    if (!fileName.isEmpty())
        caption += QStringLiteral(" (") + fileName + QLatin1Char(')');
    return caption;
}

} // namespace maprune
