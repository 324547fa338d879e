// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <QMainWindow>
#include <QStringList>

#include "app/main_menu.h"
#include "app/program_files.h"
#include "app/recent_files_list.h"
#include "map/alliance_list.h"

class QComboBox;
class QDockWidget;
class QLabel;

namespace maprune {

class Dialogs;
class FileAssociations;
class FileChooser;
class MapViewSlot;
class SettingsStore;
class ShiftChooser;
class TAddProgressPanel;
class THelpWindow;
class TLogWindow;
class TMapCommands;
class TMapPictures;
class TOriginWindow;
class TRegion;
class TReport;
class TSettings;
class TStatusProgress;
class TStructureWindow;
class TUnitsWindow;
class UnitSortCriteria;

// What the main window works with. Everything referred to must outlive the
// window.
struct MainWindowEnvironment {
    TSettings& Settings;
    SettingsStore& Store; // the recently used files (LastRecentlyUsed)
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

// The program's main window ("TForm1"). It owns the one open report, the
// name of its file, the recently used files, the flag that the report was
// changed and the user's alliances; it runs start-up (on its first showing)
// and shut-down (on closing), and carries the main menu. The map view keeps
// the current and hovered region and handles the mouse.
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

    // --- State
    TReport* Report() const { return report_.get(); }
    const QString& FileName() const { return fileName_; }
    bool Modified() const { return modified_; }
    // Marks the report as changed since it was loaded or saved; editing
    // windows call it. Without a report it does nothing.
    void SetModified();
    const TRecentFilesList& RecentFiles() const { return recent_; }
    // True from the start of a long operation (reading, adding, saving) to
    // its end; meanwhile the window takes no commands.
    bool Busy() const { return busyDepth_ > 0; }
    // True once start-up (the first showing) has opened its file or failed to.
    bool StartedUp() const { return startedUp_; }

    // --- File operations. Failures come as exceptions (maprune::Error;
    // Abort when the messages were shown already) and leave the open
    // report as it was; the menu commands show them.

    // Opens a CR (".cr") or database (".kdf") as the new report, first
    // asking whether to save a changed report. Returns false when the user
    // cancelled at that question or in the save it led to.
    bool OpenFile(const QString& path);
    // Saves the report under FileName (asking for a name when there is
    // none). Shows failures itself; returns whether the report was saved.
    bool SaveFile();
    // Asks for a name and saves under it; FileName changes only when the
    // save succeeded. Returns whether the report was saved.
    bool SaveFileAs();
    // Adds CRs, databases and order files to the open report, showing the
    // files that failed in one message at the end.
    void AddFiles(const QStringList& paths);

    // --- The view
    // Refreshes what depends on the report or its active layer: the layer
    // list and the map view (MapViewSlot::Rebuild).
    void RebuildView();
    void UpdateCaption();
    // Makes layer `z` the active one when it exists and differs.
    void SwitchLayer(int z);

    // --- The map view in Panel2 (a black placeholder until one is set).
    MapViewSlot& MapView() const { return *mapView_; }
    // Puts `view` into Panel2 in place of the one there, which is deleted;
    // Panel2 takes ownership of view->Widget(), which owns `view`. The view
    // is rebuilt over the open report at once.
    void SetMapView(MapViewSlot* view);
    QWidget* MapArea() const { return panel2_; }

    // --- The current region, kept by the map view (null: none; cleared
    // whenever the report or its regions may be freed).
    TRegion* CurrentRegion() const;
    // No region is current any more (its marker is redrawn away).
    void ClearCurrentRegion();

    // --- The user's alliances, read at start-up from the alliance file
    // beside the program and written back at exit.
    AllianceList& Alliances() { return alliances_; }

    // --- Menus
    const MainMenu& Menu() const { return menu_; }
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

    TStatusProgress& StatusProgress() const { return *statusProgress_; }
    TUnitsWindow& UnitsWindow() const { return *unitsWindow_; }
    TStructureWindow& StructureWindow() const { return *structureWindow_; }
    TLogWindow& LogWindow() const { return *logWindow_; }

signals:
    // A new report replaced the open one (or none is open any more); info
    // windows drop every reference into the old one and show the new one.
    void reportReplaced(maprune::TReport* report);
    // Regions, units, ships or buildings of the open report are about to be
    // freed (files are being added): drop references to them.
    void regionsAboutToBeFreed();
    // The open report changed in place (files were added, the origin set).
    void reportChanged(maprune::TReport* report);
    // The current region changed (null: none).
    void currentRegionChanged(maprune::TReport* report, maprune::TRegion* region);
    // Start-up has opened its file or failed to.
    void startUpFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class MainWindowBusy;

    void BuildLayout();
    void ConnectMenu();
    void UpdateMenus();
    // "&Einheiten" is enabled only without NoUnitWindow; the units window
    // follows the selection only while it is.
    void UpdateUnitsEntry();
    void RefillUnitsWindow();
    void FillLayerList();
    void ReportCurrentRegionChanges();

    // Start-up and shut-down.
    void StartUp();
    bool ConfirmClose();
    void StoreRecentFiles();
    void ReadAlliances();
    void StoreAlliances();

    // Reading and writing.
    std::unique_ptr<TReport> LoadReport(const QString& path);
    void AdoptReport(std::unique_ptr<TReport> report, const QString& path);
    // Writes the report to `path` as a database; other extensions fail.
    void StoreReport(const QString& path);
    // Asks to save a changed report; false when the user cancelled.
    bool AskToSaveChanges();
    // Runs `command`, showing its failure in a message box.
    void ShowFailures(const std::function<void()>& command);

    // Menu commands.
    void OpenCommand();
    void OpenRecentCommand(const QString& path);
    void AddCommand();
    void ConfigureCommand();
    void SetOriginCommand();
    void AboutCommand();
    // The one window of "&Inhalt", "Inde&x" and "Gestern, Heute, &Morgen...".
    THelpWindow& HelpWindow();

    // The recently used entries of "&Programm".
    void RebuildRecentMenu();

    MainWindowEnvironment env_;
    std::unique_ptr<TReport> report_;
    QString fileName_;
    bool modified_ = false;
    AllianceList alliances_;
    // False when the alliance file could not be read: it is then not
    // overwritten at exit, so that the user's alliances are not lost.
    bool alliancesReadable_ = true;
    TRecentFilesList recent_;
    QString openFolder_; // the last folder of the open and add dialogs
    QString saveFolder_; // the last folder of the save dialog

    MainMenu menu_;
    std::vector<QAction*> reportOnlyEntries_;
    std::vector<QAction*> recentEntries_;
    QAction* recentSeparator_ = nullptr;

    QComboBox* layers_ = nullptr; // ComboBox1
    QWidget* panel2_ = nullptr;
    MapViewSlot* mapView_ = nullptr;
    TMapCommands* mapCommands_ = nullptr; // with a map view only
    TStatusProgress* statusProgress_ = nullptr;
    QLabel* hint_ = nullptr; // status bar panel 1
    TAddProgressPanel* addProgress_ = nullptr;
    TLogWindow* logWindow_ = nullptr;
    TUnitsWindow* unitsWindow_ = nullptr; // Form6
    TStructureWindow* structureWindow_ = nullptr;
    THelpWindow* helpWindow_ = nullptr; // made on first use
    TOriginWindow* originWindow_ = nullptr;
    ShiftChooser* shiftChooser_ = nullptr; // the environment's or TMPAWindow
    std::unique_ptr<FileAssociations> associations_;
    std::unique_ptr<UnitSortCriteria> sortCriteria_;

    int busyDepth_ = 0;
    bool closeWhenIdle_ = false;
    bool shownOnce_ = false;
    bool startedUp_ = false;
};

} // namespace maprune
