// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "config/ui/setting_bindings.h"

namespace maprune {

class TSettings;

// "Konfiguration der automatischen Koordinatenursprunganpassung": the
// thresholds and reactions of the automatic origin adaptation (the ACA_*
// settings). Showing loads every control; every change is stored at once.
// The number fields step by one and wrap around at their limits.
class TACACWindow : public QDialog {
    Q_OBJECT
public:
    TACACWindow(TSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    SettingBindings FBindings;
};

} // namespace maprune
