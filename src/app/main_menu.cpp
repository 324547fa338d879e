// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_menu.h"

#include <stdexcept>
#include <string>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/tool_table.h"

namespace maprune {

namespace {

const char* const kShortcutProperty = "maprune_shortcut";
const char* const kVerbProperty = "maprune_verb";

QMenu* AddMenu(QMenuBar& bar, const QString& caption)
{
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(MenuItemName(caption));
    menu->menuAction()->setObjectName(MenuItemName(caption));
    return menu;
}

QMenu* AddSubmenu(QMenu& parent, const QString& caption)
{
    QMenu* menu = parent.addMenu(caption);
    menu->setObjectName(MenuItemName(caption));
    menu->menuAction()->setObjectName(MenuItemName(caption));
    return menu;
}

QAction* AddCheckEntry(QMenu& menu, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* entry = AddMenuEntry(menu, caption, shortcut);
    entry->setCheckable(true);
    return entry;
}

QAction* AddRadioEntry(
    QMenu& menu, QActionGroup& group, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* entry = AddCheckEntry(menu, caption, shortcut);
    group.addAction(entry);
    return entry;
}

// Gives back or takes away the shortcuts of `entry` and, for a menu, of all
// entries below it; `reachable` says whether every menu above is shown.
void RefreshShortcuts(QAction* entry, bool reachable)
{
    const bool active = reachable && entry->isVisible() && entry->isEnabled();
    const QVariant kept = entry->property(kShortcutProperty);
    if (kept.isValid())
        entry->setShortcut(active ? kept.value<QKeySequence>() : QKeySequence());
    if (QMenu* menu = entry->menu()) {
        for (QAction* child : menu->actions())
            RefreshShortcuts(child, active);
    }
}

void RefreshShortcutsFrom(QAction* entry)
{
    bool reachable = true;
    for (QObject* above = entry->parent(); above != nullptr; above = above->parent()) {
        if (auto* menu = qobject_cast<QMenu*>(above))
            reachable = reachable && menu->menuAction()->isVisible();
    }
    RefreshShortcuts(entry, reachable);
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Adds the entries of the tools at `place`; with a `group`, each is one of
// its exclusive choices (and declared checkable).
void AddTools(QMenu& menu, ToolPlace place, MainMenu& main, QActionGroup* group = nullptr)
{
    for (const ToolDeclaration& tool : ToolDeclarations()) {
        if (tool.Place != place)
            continue;
        QAction* entry = AddMenuEntry(menu, FromUtf8(tool.Caption), tool.Key);
        entry->setCheckable(tool.Checkable);
        if (group != nullptr)
            group->addAction(entry);
        if (!tool.Verb.empty())
            entry->setProperty(kVerbProperty, FromUtf8(tool.Verb));
        main.Tools.push_back({ tool.Id, entry });
    }
}

QKeySequence Alt(int key)
{
    return QKeySequence(Qt::ALT | key);
}
QKeySequence Ctrl(int key)
{
    return QKeySequence(Qt::CTRL | key);
}

void BuildProgramMenu(QMenuBar& bar, MainMenu& menu)
{
    menu.Program = AddMenu(bar, QStringLiteral("&Programm"));
    QMenu& program = *menu.Program;
    menu.Open = AddMenuEntry(program, QStringLiteral("Report &öffnen..."), Ctrl(Qt::Key_O));
    menu.Add = AddMenuEntry(program, QStringLiteral("&Report(e) hinzufügen..."), Ctrl(Qt::Key_A));
    menu.AddNewest = AddMenuEntry(program, QStringLiteral("&Neuesten Report hinzufügen"));
    menu.Save = AddMenuEntry(program, QStringLiteral("Report &speichern"), Ctrl(Qt::Key_S));
    menu.SaveAs
        = AddMenuEntry(program, QStringLiteral("Report speichern &unter..."), Ctrl(Qt::Key_U));
    program.addSeparator();
    menu.Configure = AddMenuEntry(program, QStringLiteral("&Konfigurieren..."), Ctrl(Qt::Key_K));
    program.addSeparator();
    menu.Quit = AddMenuEntry(program, QStringLiteral("Be&enden"), Ctrl(Qt::Key_Q));
}

void BuildEditMenu(QMenuBar& bar, MainMenu& menu)
{
    menu.Edit = AddMenu(bar, QStringLiteral("Bearbeite&n"));
    menu.Undo = AddMenuEntry(*menu.Edit, QStringLiteral("&Rückgängig"), Ctrl(Qt::Key_Z));
    menu.Redo = AddMenuEntry(*menu.Edit, QStringLiteral("&Wiederholen"), Ctrl(Qt::Key_Y));
}

void BuildInfoWindowEntries(QMenu& view, InfoWindowEntries& windows)
{
    windows.Menu = AddSubmenu(view, QStringLiteral("&Info-Fenster"));
    QMenu& menu = *windows.Menu;
    windows.Region = AddCheckEntry(menu, QStringLiteral("&Region"), Alt(Qt::Key_R));
    windows.Overview = AddCheckEntry(menu, QStringLiteral("&Übersicht"), Alt(Qt::Key_Udiaeresis));
    windows.Units = AddCheckEntry(menu, QStringLiteral("&Einheiten"), Alt(Qt::Key_E));
    windows.Messages = AddCheckEntry(menu, QStringLiteral("&Meldungen"), Alt(Qt::Key_M));
    windows.Spells = AddCheckEntry(menu, QStringLiteral("&Zauber && Tränke"), Alt(Qt::Key_Z));
    windows.Addresses = AddCheckEntry(menu, QStringLiteral("&Adressen"), Alt(Qt::Key_A));
    windows.Allies = AddCheckEntry(menu, QStringLiteral("A&lliierte"), Alt(Qt::Key_L));
    windows.Legend = AddCheckEntry(menu, QStringLiteral("&Legende"), Alt(Qt::Key_C));
    windows.Structure = AddCheckEntry(menu, QStringLiteral("&Struktur"), Alt(Qt::Key_S));
    windows.UnitOrders = AddCheckEntry(menu, QStringLiteral("Einheiten-&Befehle"), Alt(Qt::Key_B));
    windows.CheckerOutput = AddCheckEntry(menu, QStringLiteral("KCheck-Ausgabe"), Alt(Qt::Key_O));
}

void BuildMapModeEntries(QMenu& view, MapModeEntries& map, MainMenu& main)
{
    map.Menu = AddSubmenu(view, QStringLiteral("&Karte"));
    auto* modes = new QActionGroup(map.Menu);
    map.Geographic
        = AddRadioEntry(*map.Menu, *modes, QStringLiteral("&geographisch"), Alt(Qt::Key_1));
    map.Geographic->setChecked(true);

    map.Political = AddSubmenu(*map.Menu, QStringLiteral("&politisch"));
    map.Political->menuAction()->setCheckable(true);
    modes->addAction(map.Political->menuAction());
    auto* grouping = new QActionGroup(map.Political);
    map.ByParties
        = AddRadioEntry(*map.Political, *grouping, QStringLiteral("nach Parteien"), Alt(Qt::Key_2));
    map.ByAlliances = AddRadioEntry(
        *map.Political, *grouping, QStringLiteral("nach Bündnissen"), Alt(Qt::Key_3));
    map.Political->addSeparator();
    auto* persons = new QActionGroup(map.Political);
    map.Persons
        = AddRadioEntry(*map.Political, *persons, QStringLiteral("Personen"), Alt(Qt::Key_4));
    map.ArmedPersons = AddRadioEntry(
        *map.Political, *persons, QStringLiteral("bewaffnete Personen"), Alt(Qt::Key_5));
    map.GuardingPersons = AddRadioEntry(
        *map.Political, *persons, QStringLiteral("bewachende Personen"), Alt(Qt::Key_6));
    map.Manual = AddRadioEntry(*map.Political, *persons, QStringLiteral("manuell"), Alt(Qt::Key_7));

    map.Statistic = AddSubmenu(*map.Menu, QStringLiteral("&statistisch"));
    map.Statistic->menuAction()->setCheckable(true);
    modes->addAction(map.Statistic->menuAction());
    auto* statistics = new QActionGroup(map.Statistic);
    // In the order of StatisticEntries(); the two work place entries have no key.
    const std::array<QKeySequence, kStatisticCount> keys { Alt(Qt::Key_8), Alt(Qt::Key_9),
        Alt(Qt::Key_0), Alt(Qt::Key_ssharp), Ctrl(Qt::Key_1), Ctrl(Qt::Key_2), Ctrl(Qt::Key_3),
        QKeySequence(), QKeySequence(), Ctrl(Qt::Key_4), Ctrl(Qt::Key_5), Ctrl(Qt::Key_6),
        Ctrl(Qt::Key_7), Ctrl(Qt::Key_8), Ctrl(Qt::Key_9), Ctrl(Qt::Key_0), Ctrl(Qt::Key_ssharp) };
    for (size_t i = 0; i < kStatisticCount; ++i) {
        const StatisticEntry& entry = StatisticEntries()[i];
        map.Statistics[i] = AddRadioEntry(*map.Statistic, *statistics,
            QString::fromUtf8(entry.MenuEntry.data(), static_cast<int>(entry.MenuEntry.size())),
            keys[i]);
    }
    AddTools(*map.Menu, ToolPlace::MapModes, main, modes);
}

void BuildViewMenu(QMenuBar& bar, MainMenu& menu)
{
    menu.View = AddMenu(bar, QStringLiteral("Ansich&t"));
    QMenu& view = *menu.View;
    BuildInfoWindowEntries(view, menu.InfoWindows);
    AddTools(*menu.InfoWindows.Menu, ToolPlace::InfoWindows, menu);
    BuildMapModeEntries(view, menu.Map, menu);
    view.addSeparator();
    menu.ZoomOverviewIn
        = AddMenuEntry(view, QStringLiteral("Übersichtskarte ver&größern"), Ctrl(Qt::Key_Plus));
    menu.ZoomOverviewOut
        = AddMenuEntry(view, QStringLiteral("Übersichtskarte ver&kleinern"), Ctrl(Qt::Key_Minus));
    menu.Refresh = AddMenuEntry(view, QStringLiteral("a&ktualisieren"), QKeySequence(Qt::Key_F5));
    view.addSeparator();
    menu.LogFile = AddMenuEntry(view, QStringLiteral("&Log-Datei..."));
}

void BuildSelectionMenu(QMenuBar& bar, MainMenu& menu)
{
    menu.Selection = AddMenu(bar, QStringLiteral("A&uswahl"));
    SelectionEntries& select = menu.Select;
    select.Menu = menu.Selection;
    QMenu& selection = *menu.Selection;
    select.Clear = AddMenuEntry(selection, QStringLiteral("auf&heben"), QKeySequence(Qt::Key_F6));
    select.Invert
        = AddMenuEntry(selection, QStringLiteral("&invertieren"), QKeySequence(Qt::Key_F7));
    select.All
        = AddMenuEntry(selection, QStringLiteral("&alles auswählen"), QKeySequence(Qt::Key_F8));
    select.Fill = AddMenuEntry(selection, QStringLiteral("&füllen"), Alt(Qt::Key_F8));
    QMenu& extended = *AddSubmenu(selection, QStringLiteral("er&weitert"));
    select.Islands
        = AddMenuEntry(extended, QStringLiteral("&Insel(n) auswählen"), Ctrl(Qt::Key_F6));
    select.Expand = AddMenuEntry(extended, QStringLiteral("Auswahl &erweitern"), Ctrl(Qt::Key_F7));
    select.Contract
        = AddMenuEntry(extended, QStringLiteral("Auswahl &verkleinern"), Ctrl(Qt::Key_F8));
    selection.addSeparator();
    select.Export = AddMenuEntry(selection, QStringLiteral("&exportieren..."), Alt(Qt::Key_F9));
}

void BuildInformationMenu(QMenuBar& bar, MainMenu& menu)
{
    menu.Information = AddMenu(bar, QStringLiteral("&Informationen"));
    QMenu& information = *menu.Information;
    menu.Races = AddMenuEntry(information, QStringLiteral("&Rassen..."));
    menu.Talents = AddMenuEntry(information, QStringLiteral("&Talente..."));
    menu.Items = AddMenuEntry(information, QStringLiteral("&Gegenstände"));
    menu.Commands = AddMenuEntry(information, QStringLiteral("&Befehle..."));
    menu.Buildings = AddMenuEntry(information, QStringLiteral("&Gebäude..."));
}

void BuildExtrasMenu(QMenuBar& bar, MainMenu& menu)
{
    menu.Extras = AddMenu(bar, QStringLiteral("E&xtras"));
    QMenu& extras = *menu.Extras;
    AddTools(extras, ToolPlace::ExtrasFirst, menu);
    menu.SetOrigin
        = AddMenuEntry(extras, QStringLiteral("&Ursprung setzen..."), QKeySequence(Qt::Key_F10));
    AddTools(extras, ToolPlace::ExtrasAnalysis, menu);
    menu.Checker = AddMenuEntry(extras, QStringLiteral("KCheck"), Alt(Qt::Key_F12));
    menu.Checker->setObjectName(QStringLiteral("KCheck1"));
    extras.addSeparator();
    AddTools(extras, ToolPlace::ExtrasLast, menu);
}

void BuildHelpMenu(QMenuBar& bar, MainMenu& menu)
{
    menu.Help = AddMenu(bar, QStringLiteral("&Hilfe"));
    QMenu& help = *menu.Help;
    menu.About = AddMenuEntry(help, QStringLiteral("&Info..."), Alt(Qt::Key_F1));
    menu.Changes
        = AddMenuEntry(help, QStringLiteral("Gestern, Heute, &Morgen..."), Alt(Qt::Key_F2));
    menu.Memory = AddMenuEntry(help, QStringLiteral("&Speicherbelegung..."));
    help.addSeparator();
    menu.Contents = AddMenuEntry(help, QStringLiteral("&Inhalt"), QKeySequence(Qt::Key_F1));
    menu.KeyIndex = AddMenuEntry(help, QStringLiteral("Inde&x"), Ctrl(Qt::Key_F1));
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
    RefreshShortcutsFrom(entry);
}

void EnableMenuEntry(QAction* entry, bool enabled)
{
    entry->setEnabled(enabled);
    RefreshShortcutsFrom(entry);
}

QKeySequence MenuEntryKey(const QAction& entry)
{
    return entry.property(kShortcutProperty).value<QKeySequence>();
}

QString MenuEntryVerb(const QAction& entry)
{
    return entry.property(kVerbProperty).toString();
}

QAction* MainMenu::Tool(std::string_view id) const
{
    for (const ToolEntry& tool : Tools) {
        if (tool.Id == id)
            return tool.Entry;
    }
    throw std::out_of_range("no tool " + std::string(id));
}

QString CheckerEntryCaption(bool checkerEnabled, bool vorlageEnabled)
{
    if (!checkerEnabled)
        return {};
    return vorlageEnabled ? QStringLiteral("Vorlage -> KCheck") : QStringLiteral("KCheck");
}

MainMenu BuildMainMenu(QMenuBar& bar)
{
    MainMenu menu;
    bar.setObjectName(QStringLiteral("MainMenu1"));
    BuildProgramMenu(bar, menu);
    BuildEditMenu(bar, menu);
    BuildViewMenu(bar, menu);
    BuildSelectionMenu(bar, menu);
    BuildInformationMenu(bar, menu);
    BuildExtrasMenu(bar, menu);
    BuildHelpMenu(bar, menu);
    return menu;
}

} // namespace maprune
