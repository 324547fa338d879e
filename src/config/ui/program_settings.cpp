// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/program_settings.h"

#include <QMessageBox>

namespace maprune {

ProgramSettings::ProgramSettings()
    : settings_(store_,
        [](const TRegistrySetting&, const std::string& message) {
            QMessageBox::warning(
                nullptr, QStringLiteral("Maprune"), QString::fromStdString(message));
        })
    , installed_(settings_)
{
}

} // namespace maprune
