// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "config/ui/setting_bindings.h"

class QCheckBox;

namespace maprune {

class TSettings;

// "Informationsmenge der Einheitenliste konfigurieren": one check box per
// bit of UnitListDetails (comments, talents, items, combat status). Showing
// sets them from the setting; each click sets or clears its bit at once.
class TULDAWindow : public QDialog {
    Q_OBJECT
public:
    TULDAWindow(TSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);

signals:
    // UnitListDetails changed; the region window shows its unit list anew.
    void detailsChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSettings& FSettings;
    SettingBindings FBindings;
    std::vector<std::pair<QCheckBox*, std::int32_t>> FBoxes;
};

} // namespace maprune
