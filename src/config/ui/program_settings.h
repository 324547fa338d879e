// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "config/settings.h"
#include "config/settings_access.h"
#include "config/ui/qsettings_store.h"

namespace maprune {

// The desktop program's settings for the life of main: created and loaded
// from the user's store, installed as CurrentSettings(), written back on
// destruction. A stored value that cannot be used, or a value that cannot
// be written back, is shown in a message box. Needs a QApplication.
class ProgramSettings {
public:
    ProgramSettings();

    TSettings& Settings() { return FSettings; }
    // The user's store, also for values outside the settings (the recently
    // used files).
    SettingsStore& Store() { return FStore; }

private:
    QSettingsStore FStore;
    TSettings FSettings;
    ScopedSettings FInstalled;
};

} // namespace maprune
