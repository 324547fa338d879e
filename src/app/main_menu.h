// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include <QKeySequence>
#include <QString>

#include "map/statistics.h"

class QAction;
class QMenu;
class QMenuBar;

namespace maprune {

// "Ansich&t" > "&Info-Fenster": check items that show or hide a window.
struct InfoWindowEntries {
    QMenu* Menu = nullptr;
    QAction* Region = nullptr; // "&Region"
    QAction* Overview = nullptr; // "&Übersicht"
    QAction* Units = nullptr; // "&Einheiten"
    QAction* Messages = nullptr; // "&Meldungen"
    QAction* Spells = nullptr; // "&Zauber && Tränke"
    QAction* Addresses = nullptr; // "&Adressen"
    QAction* Allies = nullptr; // "A&lliierte"
    QAction* Legend = nullptr; // "&Legende"
    QAction* Structure = nullptr; // "&Struktur"
    QAction* UnitOrders = nullptr; // "Einheiten-&Befehle"
    QAction* CheckerOutput = nullptr; // "KCheck-Ausgabe"
};

// "Ansich&t" > "&Karte": the colouring of the map. The entries are
// checkable; the map commands keep their checks in step with the map.
struct MapModeEntries {
    QMenu* Menu = nullptr;
    QAction* Geographic = nullptr; // "&geographisch"
    QMenu* Political = nullptr; // "&politisch"
    QAction* ByParties = nullptr; // "nach Parteien"
    QAction* ByAlliances = nullptr; // "nach Bündnissen"
    QAction* Persons = nullptr; // "Personen"
    QAction* ArmedPersons = nullptr; // "bewaffnete Personen"
    QAction* GuardingPersons = nullptr; // "bewachende Personen"
    QAction* Manual = nullptr; // "manuell"
    QMenu* Statistic = nullptr; // "&statistisch"
    std::array<QAction*, kStatisticCount> Statistics {}; // indexed by StatisticKind
};

// "A&uswahl": the selection operations.
struct SelectionEntries {
    QMenu* Menu = nullptr;
    QAction* Clear = nullptr; // "auf&heben"
    QAction* Invert = nullptr; // "&invertieren"
    QAction* All = nullptr; // "&alles auswählen"
    QAction* Fill = nullptr; // "&füllen"
    QAction* Islands = nullptr; // "&Insel(n) auswählen"
    QAction* Expand = nullptr; // "Auswahl &erweitern"
    QAction* Contract = nullptr; // "Auswahl &verkleinern"
    QAction* Export = nullptr; // "&exportieren..."
};

// The entry of a tool (tool_table.h), found by the tool's id.
struct ToolEntry {
    std::string_view Id;
    QAction* Entry = nullptr;
};

// The main window's menus and the entries it acts on. Entries are named
// after their captions (MenuItemName) so that tests and other windows can
// find them. Entries whose windows do not exist yet are disabled.
struct MainMenu {
    QMenu* Program = nullptr; // "&Programm"
    QMenu* Edit = nullptr; // "Bearbeite&n" (Alt+B opens the orders editor)
    QMenu* View = nullptr; // "Ansich&t"
    QMenu* Selection = nullptr; // "A&uswahl"
    QMenu* Information = nullptr; // "&Informationen"
    QMenu* Extras = nullptr; // "E&xtras"
    QMenu* Help = nullptr; // "&Hilfe"

    QAction* Open = nullptr; // "Report &öffnen..."
    QAction* Add = nullptr; // "&Report(e) hinzufügen..."
    QAction* AddNewest = nullptr; // "&Neuesten Report hinzufügen"
    QAction* Save = nullptr; // "Report &speichern"
    QAction* SaveAs = nullptr; // "Report speichern &unter..."
    QAction* Configure = nullptr; // "&Konfigurieren..."
    QAction* Quit = nullptr; // "Be&enden"

    // The captions name the edit they take back or do again.
    QAction* Undo = nullptr; // "&Rückgängig"
    QAction* Redo = nullptr; // "&Wiederholen"

    InfoWindowEntries InfoWindows;
    MapModeEntries Map;
    QAction* ZoomOverviewIn = nullptr; // "Übersichtskarte ver&größern"
    QAction* ZoomOverviewOut = nullptr; // "Übersichtskarte ver&kleinern"
    QAction* Refresh = nullptr; // "a&ktualisieren"
    QAction* LogFile = nullptr; // "&Log-Datei..."

    SelectionEntries Select;

    QAction* Races = nullptr; // "&Rassen..."
    QAction* Talents = nullptr; // "&Talente..."
    QAction* Items = nullptr; // "&Gegenstände"
    QAction* Commands = nullptr; // "&Befehle..."
    QAction* Buildings = nullptr; // "&Gebäude..."

    QAction* SetOrigin = nullptr; // "&Ursprung setzen..."
    QAction* Checker = nullptr; // "KCheck" or "Vorlage -> KCheck"
    QAction* About = nullptr; // "&Info..."
    QAction* Changes = nullptr; // "Gestern, Heute, &Morgen..."
    QAction* Memory = nullptr; // "&Speicherbelegung..."
    QAction* Contents = nullptr; // "&Inhalt"
    QAction* KeyIndex = nullptr; // "Inde&x"

    // The tools' entries, wherever they sit.
    std::vector<ToolEntry> Tools;
    // The entry of the tool `id`; a tool that is not declared is a fault
    // of the program (std::out_of_range).
    QAction* Tool(std::string_view id) const;
};

// Builds the menus into `bar`; the entries do nothing until connected.
MainMenu BuildMainMenu(QMenuBar& bar);

// The object name of a menu or entry with `caption`: its ASCII letters and
// digits followed by "1" ("Report &öffnen..." gives "Reportffnen1").
QString MenuItemName(const QString& caption);

// Adds an entry to `menu` named after its caption. The shortcut is kept
// with the entry, so that ShowMenuEntry and EnableMenuEntry can take it
// away and give it back.
QAction* AddMenuEntry(QMenu& menu, const QString& caption, const QKeySequence& shortcut = {});

// Shows or hides an entry or, through its menuAction(), a whole menu. A
// hidden entry and every entry of a hidden menu lose their shortcuts, so
// that hidden commands cannot be reached by key; showing gives them back
// to the entries that are visible and enabled themselves.
void ShowMenuEntry(QAction* entry, bool shown);
// Enables or disables an entry; a disabled entry loses its shortcut.
void EnableMenuEntry(QAction* entry, bool enabled);
// The key of an entry made by AddMenuEntry, also while it is taken away.
QKeySequence MenuEntryKey(const QAction& entry);
// The `maprune-cli` verb that prints what a tool's entry shows, or empty.
QString MenuEntryVerb(const QAction& entry);

// The caption of the checker entry of "E&xtras" for the settings: "KCheck"
// with the checker alone, "Vorlage -> KCheck" with VORLAGE as well, and
// empty (the entry is hidden) without the checker.
QString CheckerEntryCaption(bool checkerEnabled, bool vorlageEnabled);

} // namespace maprune
