// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace maprune {

namespace {

const char* const kShortcutProperty = "maprune_shortcut";

QMenu* AddMenu(QMenuBar& bar, const QString& caption)
{
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(MenuItemName(caption));
    menu->menuAction()->setObjectName(MenuItemName(caption));
    return menu;
}

// Gives back or takes away the shortcuts of `entry` and, for a menu, of all
// entries below it; `reachable` says whether every menu above is shown.
void RefreshShortcuts(QAction* entry, bool reachable)
{
    const bool active = reachable && entry->isVisible();
    const QVariant kept = entry->property(kShortcutProperty);
    if (kept.isValid())
        entry->setShortcut(active ? kept.value<QKeySequence>() : QKeySequence());
    if (QMenu* menu = entry->menu()) {
        for (QAction* child : menu->actions())
            RefreshShortcuts(child, active);
    }
}

} // namespace

QString MenuItemName(const QString& caption)
{
    QString name;
    for (QChar c : caption) {
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            name += c;
    }
    return name + QLatin1Char('1');
}

QAction* AddMenuEntry(QMenu& menu, const QString& caption, const QKeySequence& shortcut)
{
    QAction* entry = menu.addAction(caption);
    entry->setObjectName(MenuItemName(caption));
    if (!shortcut.isEmpty()) {
        entry->setShortcut(shortcut);
        entry->setProperty(kShortcutProperty, QVariant::fromValue(shortcut));
    }
    return entry;
}

void ShowMenuEntry(QAction* entry, bool shown)
{
    entry->setVisible(shown);
    bool reachable = true;
    for (QObject* above = entry->parent(); above != nullptr; above = above->parent()) {
        if (auto* menu = qobject_cast<QMenu*>(above))
            reachable = reachable && menu->menuAction()->isVisible();
    }
    RefreshShortcuts(entry, reachable);
}

MainMenu BuildMainMenu(QMenuBar& bar)
{
    MainMenu menu;
    bar.setObjectName(QStringLiteral("MainMenu1"));

    menu.Program = AddMenu(bar, QStringLiteral("&Programm"));
    menu.Open = AddMenuEntry(
        *menu.Program, QStringLiteral("Report &öffnen..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    menu.Add = AddMenuEntry(*menu.Program, QStringLiteral("&Report(e) hinzufügen..."),
        QKeySequence(Qt::CTRL | Qt::Key_A));
    menu.Save = AddMenuEntry(
        *menu.Program, QStringLiteral("Report &speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
    menu.SaveAs = AddMenuEntry(*menu.Program, QStringLiteral("Report speichern &unter..."),
        QKeySequence(Qt::CTRL | Qt::Key_U));
    menu.Program->addSeparator();
    menu.Configure = AddMenuEntry(
        *menu.Program, QStringLiteral("&Konfigurieren..."), QKeySequence(Qt::CTRL | Qt::Key_K));
    menu.Program->addSeparator();
    menu.Quit = AddMenuEntry(
        *menu.Program, QStringLiteral("Be&enden"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    menu.View = AddMenu(bar, QStringLiteral("Ansich&t"));
    menu.LogFile = AddMenuEntry(*menu.View, QStringLiteral("&Log-Datei..."));

    menu.Extras = AddMenu(bar, QStringLiteral("E&xtras"));
    menu.SetOrigin = AddMenuEntry(
        *menu.Extras, QStringLiteral("&Ursprung setzen..."), QKeySequence(Qt::Key_F10));

    menu.Help = AddMenu(bar, QStringLiteral("&Hilfe"));
    menu.About
        = AddMenuEntry(*menu.Help, QStringLiteral("&Info..."), QKeySequence(Qt::ALT | Qt::Key_F1));
    return menu;
}

} // namespace maprune
