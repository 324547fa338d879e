// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings_access.h"

#include "core/error.h"

namespace maprune {

namespace {

TSettings* current = nullptr;

} // namespace

TSettings& CurrentSettings()
{
    if (!current)
        throw Error("CurrentSettings: no settings installed");
    return *current;
}

ScopedSettings::ScopedSettings(TSettings& settings)
    : FPrevious(current)
{
    current = &settings;
}

ScopedSettings::~ScopedSettings()
{
    current = FPrevious;
}

} // namespace maprune
