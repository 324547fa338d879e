// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <QMainWindow>
#include <QStringList>

#include "app/main_menu.h"
#include "app/program_files.h"

class QDockWidget;
class QLabel;

namespace maprune {

class Dialogs;
class FileAssociations;
class FileChooser;
class MapViewSlot;
class TMapView;
class SettingsStore;
class ShiftChooser;
class TAddProgressPanel;
class TBusyState;
class TFileCommands;
class TLogWindow;
class TMapPictures;
class TProgramCommands;
class TProgramSession;
class TRegionWindow;
class TReportListWindows;
class TUnitCommandWindow;
class TRecentFilesMenu;
class TReportDocument;
class TSettings;
class TStatusProgress;
class TStructureWindow;
class TUnitsWindow;

// What the main window works with. Everything referred to must outlive the
// window.
struct MainWindowEnvironment {
    TSettings& Settings;
    SettingsStore& Store; // the recently used files (LastRecentlyUsed), the layout (Layout)
    Dialogs& Messages; // every message box of the window and the core
    FileChooser& Files; // open, add and save dialogs
    ProgramFiles Paths; // automatic save, log
    QStringList Arguments; // the command line without the program name
    // The choice among several shifts of the origin adaptation; null shows
    // TMPAWindow.
    ShiftChooser* Shifts = nullptr;
    // The pictures of the map; null keeps Panel2 black until SetMapView.
    const TMapPictures* Pictures = nullptr;
    // The file-type associations for the configuration dialog; empty: the
    // desktop's.
    std::function<std::unique_ptr<FileAssociations>()> Associations;
};

// The program's main window ("TForm1"). It makes the report document, the
// windows and the commands, and places them; the windows follow the
// document themselves. Start-up runs on its first showing, shut-down on
// closing (TProgramSession).
//
// Layout: the tool bar Panel6 with the layer list ComboBox1 on top; the
// dock areas left (Panel3), right (Panel4) and bottom (Panel7) for info
// windows; the central Panel1 holding Panel2, the place of the map view
// (SetMapView); StatusBar1 with the progress panel 0 and the hint panel 1.
class TMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainWindow(MainWindowEnvironment environment, QWidget* parent = nullptr);
    ~TMainWindow() override;

    TReportDocument& Document() const { return *FDocument; }
    TFileCommands& Files() const { return *FFileCommands; }
    TProgramSession& Session() const { return *FSession; }
    const TRecentFilesMenu& RecentFiles() const { return *FRecentFiles; }
    const MainMenu& Menu() const { return FMenu; }
    // True from the start of a long operation (reading, adding, saving) to
    // its end; meanwhile the window takes no commands.
    bool Busy() const;

    // --- The map view in Panel2 (a black placeholder until one is set).
    MapViewSlot& MapView() const { return *FMapView; }
    // Puts `view` into Panel2 in place of the one there, which is deleted;
    // Panel2 takes ownership of view->Widget(), which owns `view`. The view
    // follows the document from now on.
    void SetMapView(MapViewSlot* view);

    // `entry` (an entry or a menu's menuAction) is shown only while a
    // report is open; its shortcut goes with it.
    void AddReportOnlyEntry(QAction* entry);
    // Shows `text` in status bar panel 1 (the hint of what is under the mouse).
    void ShowHint(const QString& text);
    // Puts an info window into a dock of `area` (left: Panel3, right: Panel4,
    // bottom: Panel7), from where the user may drag it to another side or
    // float it. It starts hidden; `entry` (a check item of "&Info-Fenster")
    // shows and hides it and follows its closing.
    QDockWidget* AddInfoWindow(QWidget* window, QAction* entry, Qt::DockWidgetArea area);

    TUnitsWindow& UnitsWindow() const { return *FUnitsWindow; }
    TStructureWindow& StructureWindow() const { return *FStructureWindow; }
    TLogWindow& LogWindow() const { return *FLogWindow; }
    TRegionWindow& RegionWindow() const { return *FRegionWindow; }
    TUnitCommandWindow& CommandWindow() const { return *FCommandWindow; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildLayout();
    void BuildCommands();
    void BuildMapView();
    // Files and folders dropped on the window or the overview open or are added.
    void AcceptDrops();
    // The info windows, the order commands and every tool (tool_table.h).
    void BuildInfoWindows();
    void UpdateMenus();
    void UpdateCaption();
    // "&Einheiten" is enabled only without NoUnitWindow; the units window
    // follows the selection only while it is.
    void UpdateUnitsEntry();

    MainWindowEnvironment FEnvironment;
    TReportDocument* FDocument = nullptr;
    TBusyState* FBusy = nullptr;
    bool FCloseWhenIdle = false;
    bool FShownOnce = false;

    MainMenu FMenu;
    std::vector<QAction*> FReportOnlyEntries;

    QWidget* FPanel2 = nullptr;
    MapViewSlot* FMapView = nullptr;
    TMapView* FMap = nullptr; // the map made from the pictures; null without them
    TStatusProgress* FStatusProgress = nullptr;
    QLabel* FHint = nullptr; // status bar panel 1
    TAddProgressPanel* FAddProgress = nullptr;
    TLogWindow* FLogWindow = nullptr;
    TUnitsWindow* FUnitsWindow = nullptr; // Form6
    TStructureWindow* FStructureWindow = nullptr;
    TRegionWindow* FRegionWindow = nullptr; // Form2
    TUnitCommandWindow* FCommandWindow = nullptr;
    TReportListWindows* FListWindows = nullptr; // messages, addresses, spells, allies
    ShiftChooser* FShiftChooser = nullptr; // the environment's or TMPAWindow
    TRecentFilesMenu* FRecentFiles = nullptr;
    TFileCommands* FFileCommands = nullptr;
    TProgramCommands* FProgramCommands = nullptr;
    TProgramSession* FSession = nullptr;
};

} // namespace maprune
