// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/window_layout.h"

#include <utility>

#include "config/settings_store.h"
#include "core/error.h"

namespace maprune {

namespace {

struct LayoutValue {
    const char* Name;
    StoredType Type;
    std::string WindowLayout::*Member;
};

constexpr LayoutValue kValues[] = {
    { "Geometry", StoredType::Binary, &WindowLayout::Geometry },
    { "State", StoredType::Binary, &WindowLayout::State },
    { "OpenFolder", StoredType::String, &WindowLayout::OpenFolder },
    { "SaveFolder", StoredType::String, &WindowLayout::SaveFolder },
};

} // namespace

WindowLayout LoadWindowLayout(SettingsStore& store)
{
    WindowLayout layout;
    if (!store.OpenKey(kWindowLayoutKey))
        return layout;
    for (const LayoutValue& value : kValues) {
        const auto stored = store.Read(kWindowLayoutKey, value.Name, value.Type);
        if (stored && stored->type == value.Type)
            layout.*value.Member = stored->data;
    }
    return layout;
}

void SaveWindowLayout(SettingsStore& store, const WindowLayout& layout)
{
    if (!store.OpenKey(kWindowLayoutKey))
        throw Error(std::string("Fehler beim Anlegen/Öffnen des Registry-Pfades \"")
            + kWindowLayoutKey + "\"");
    for (const LayoutValue& value : kValues) {
        const std::string& data = layout.*value.Member;
        if (data.empty())
            continue;
        const StoredValue stored = value.Type == StoredType::Binary ? StoredValue::Binary(data)
                                                                    : StoredValue::String(data);
        if (!store.Write(kWindowLayoutKey, value.Name, stored))
            throw Error(std::string("Fehler beim Schreiben des Registry-Wertes \"")
                + kWindowLayoutKey + '\\' + value.Name + "\"");
    }
}

void ForgetWindowState(SettingsStore& store)
{
    if (store.OpenKey(kWindowLayoutKey))
        store.Delete(kWindowLayoutKey, "State");
}

} // namespace maprune
