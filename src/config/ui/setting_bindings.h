// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "config/registry_value.h"

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QSpinBox;

namespace maprune {

class Dialogs;

// Ties dialog controls to settings: Load sets every bound control from its
// setting, and every change the user makes afterwards is written through at
// once with SetAndStore. A write that fails is shown as an error message;
// the new value stays in force for the session. Controls and settings must
// outlive the bindings' use.
class SettingBindings {
public:
    explicit SettingBindings(Dialogs& dialogs)
        : FDialogs(dialogs)
    {
    }

    // A check box: checked is true.
    void Bind(QAbstractButton* button, TRegistryBoolean& setting);
    // Two exclusive buttons: `whenTrue` is checked for true, `whenFalse` for false.
    void Bind(QAbstractButton* whenTrue, QAbstractButton* whenFalse, TRegistryBoolean& setting);
    void Bind(QLineEdit* edit, TRegistryString& setting);
    // The spin box takes the setting's range when it has one.
    void Bind(QSpinBox* spinBox, TRegistryInteger& setting);
    // A group of exclusive buttons whose ids are the values; a stored value
    // without button leaves every button unchecked.
    void Bind(QButtonGroup* group, TRegistryInteger& setting);

    // Sets every bound control from its setting without writing anything.
    void Load();
    // True while Load runs; handlers of other controls use it to stay quiet.
    bool Loading() const { return FLoading; }

    // Runs `change` unless Load is running, showing a failure as an error
    // message. For controls with rules of their own.
    void Store(const std::function<void()>& change);

private:
    Dialogs& FDialogs;
    std::vector<std::function<void()>> loaders_;
    bool FLoading = false;
};

} // namespace maprune
