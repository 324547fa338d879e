// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace maprune {

class TSettings;

// The program's settings, installed by main (or a test) with ScopedSettings.
// Throws Error when none are installed. Prefer passing TSettings& to code
// that needs them; this accessor is for the few places that cannot be given
// them, such as windows created by the framework.
TSettings& CurrentSettings();

// Installs `settings` as CurrentSettings() for its lifetime and puts back
// whatever was installed before. Does not own the settings.
class ScopedSettings {
public:
    explicit ScopedSettings(TSettings& settings);
    ~ScopedSettings();
    ScopedSettings(const ScopedSettings&) = delete;
    ScopedSettings& operator=(const ScopedSettings&) = delete;

private:
    TSettings* FPrevious;
};

} // namespace maprune
