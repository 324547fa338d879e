// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace maprune {

// The main window's menus and the entries it acts on. Entries are named
// after their captions (MenuItemName) so that tests and other windows can
// find them; menus of later windows are inserted between these.
struct MainMenu {
    QMenu* Program = nullptr; // "&Programm"
    QMenu* View = nullptr; // "Ansich&t"
    QMenu* Extras = nullptr; // "E&xtras"
    QMenu* Help = nullptr; // "&Hilfe"

    QAction* Open = nullptr; // "Report &öffnen..."
    QAction* Add = nullptr; // "&Report(e) hinzufügen..."
    QAction* Save = nullptr; // "Report &speichern"
    QAction* SaveAs = nullptr; // "Report speichern &unter..."
    QAction* Configure = nullptr; // "&Konfigurieren..."
    QAction* Quit = nullptr; // "Be&enden"
    QAction* LogFile = nullptr; // "&Log-Datei..."
    QAction* SetOrigin = nullptr; // "&Ursprung setzen..."
    QAction* About = nullptr; // "&Info..."
};

// Builds the menus into `bar`; the entries do nothing until connected.
MainMenu BuildMainMenu(QMenuBar& bar);

// The object name of a menu or entry with `caption`: its ASCII letters and
// digits followed by "1" ("Report &öffnen..." gives "Reportffnen1").
QString MenuItemName(const QString& caption);

// Adds an entry to `menu` named after its caption. The shortcut is kept
// with the entry, so that ShowMenuEntry can take it away and give it back.
QAction* AddMenuEntry(QMenu& menu, const QString& caption, const QKeySequence& shortcut = {});

// Shows or hides an entry or, through its menuAction(), a whole menu. A
// hidden entry and every entry of a hidden menu lose their shortcuts, so
// that hidden commands cannot be reached by key; showing gives them back
// to the entries that are visible themselves.
void ShowMenuEntry(QAction* entry, bool shown);

} // namespace maprune
