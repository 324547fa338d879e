// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/program_settings.h"

#include <QMessageBox>

namespace maprune {

ProgramSettings::ProgramSettings()
    : FSettings(FStore,
        [](const TRegistrySetting&, const std::string& message) {
            QMessageBox::warning(
                nullptr, QStringLiteral("Maprune"), QString::fromStdString(message));
        })
    , FInstalled(FSettings)
{
}

} // namespace maprune
