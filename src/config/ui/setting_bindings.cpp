// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/setting_bindings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QSpinBox>

#include "core/dialogs.h"
#include "core/error.h"

namespace maprune {

void SettingBindings::Bind(QAbstractButton* button, TRegistryBoolean& setting)
{
    loaders_.push_back([button, &setting] { button->setChecked(setting.Get()); });
    QObject::connect(button, &QAbstractButton::toggled, button,
        [this, &setting](bool checked) { Store([&] { setting.SetAndStore(checked); }); });
}

void SettingBindings::Bind(
    QAbstractButton* whenTrue, QAbstractButton* whenFalse, TRegistryBoolean& setting)
{
    // Checking one button of an exclusive pair unchecks the other; unchecking does nothing.
    loaders_.push_back([whenTrue, whenFalse, &setting] {
        (setting.Get() ? whenTrue : whenFalse)->setChecked(true);
    });
    QObject::connect(whenTrue, &QAbstractButton::toggled, whenTrue,
        [this, &setting](bool checked) { Store([&] { setting.SetAndStore(checked); }); });
}

void SettingBindings::Bind(QLineEdit* edit, TRegistryString& setting)
{
    loaders_.push_back([edit, &setting] { edit->setText(QString::fromStdString(setting.Get())); });
    // textChanged rather than textEdited: a path put in by a chooser is stored too.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this, &setting](const QString& text) {
        Store([&] { setting.SetAndStore(text.toStdString()); });
    });
}

void SettingBindings::Bind(QSpinBox* spinBox, TRegistryInteger& setting)
{
    if (const auto& range = setting.Range())
        spinBox->setRange(range->minimum, range->maximum);
    loaders_.push_back([spinBox, &setting] { spinBox->setValue(setting.Get()); });
    QObject::connect(spinBox, &QSpinBox::valueChanged, spinBox,
        [this, &setting](int value) { Store([&] { setting.SetAndStore(value); }); });
}

void SettingBindings::Bind(QButtonGroup* group, TRegistryInteger& setting)
{
    loaders_.push_back([group, &setting] {
        const bool exclusive = group->exclusive();
        // An exclusive group cannot uncheck its last checked button.
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons())
            button->setChecked(group->id(button) == setting.Get());
        group->setExclusive(exclusive);
    });
    QObject::connect(
        group, &QButtonGroup::idToggled, group, [this, &setting](int id, bool checked) {
            if (checked)
                Store([&] { setting.SetAndStore(id); });
        });
}

void SettingBindings::Load()
{
    FLoading = true;
    for (const auto& load : loaders_)
        load();
    FLoading = false;
}

void SettingBindings::Store(const std::function<void()>& change)
{
    if (FLoading)
        return;
    try {
        change();
    } catch (const Error& e) {
        FDialogs.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
}

} // namespace maprune
