// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include <QKeySequence>

#include "map/alliance_list.h"

class QAction;

namespace maprune {

class Dialogs;
class TMainWindow;
class TMapView;
class TProgramCommands;
class TSettings;

// Where a tool's entry sits in the main menu. The shell's own entries of
// "E&xtras" ("&Ursprung setzen..." and the checker) divide it into sections.
enum class ToolPlace {
    ExtrasFirst, // above "&Ursprung setzen..."
    ExtrasAnalysis, // between "&Ursprung setzen..." and the checker
    ExtrasLast, // below the checker, after a separator
    InfoWindows, // "Ansich&t" > "&Info-Fenster"
    MapModes, // "Ansich&t" > "&Karte", one of the colourings
};

// What a tool may use of the main window when it installs itself.
struct ToolHost {
    TMainWindow& Window;
    TSettings& Settings;
    Dialogs& Messages;
    AllianceList& Alliances; // the program's, edited in place
    TProgramCommands& Program; // says when the configuration changed
    TMapView* Map; // null while the program has no map pictures
};

// One entry of a tool: where it sits, what it is called, the key, the
// `maprune-cli` verb that prints the same figures, and how its window is
// made and connected. A new tool is a row in ToolDeclarations(), nothing
// more in the main window or its menus.
struct ToolDeclaration {
    std::string_view Id; // how the program and its tests find the entry
    ToolPlace Place;
    std::string_view Caption; // UTF-8, with the access key's '&'
    QKeySequence Key;
    bool Checkable; // the check shows and hides the tool's window
    std::string_view Verb; // empty where the tool shows no figures
    // Null where another entry's installer connects this entry too.
    void (*Install)(const ToolHost& host, QAction& entry);
};

// Every tool, in menu order within each place.
const std::vector<ToolDeclaration>& ToolDeclarations();

// Makes every tool's window and connects it to its entry, in table order.
void InstallTools(const ToolHost& host);

} // namespace maprune
