// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/add_progress_panel.h"
#include "app/busy_state.h"
#include "app/file_commands.h"
#include "app/file_drops.h"
#include "app/info/messages_window.h"
#include "app/info/region_window.h"
#include "app/info/report_list_windows.h"
#include "app/info/unit_window.h"
#include "app/layer_list.h"
#include "app/log_window.h"
#include "app/main_map_view.h"
#include "app/main_window_layout.h"
#include "app/map_commands.h"
#include "app/map_view_slot.h"
#include "app/mpa_window.h"
#include "app/order_commands.h"
#include "app/program_commands.h"
#include "app/program_session.h"
#include "app/reading_warnings_label.h"
#include "app/recent_files_menu.h"
#include "app/status_progress.h"
#include "app/structure_window.h"
#include "app/tool_table.h"
#include "app/undo_entries.h"
#include "app/units_window.h"
#include "app/window_caption.h"
#include "config/settings.h"
#include "document/report_document.h"
#include "map/ui/overview_window.h"
#include "orders/ui/export_window.h"
#include "orders/ui/unit_command_window.h"

namespace maprune {

TMainWindow::TMainWindow(MainWindowEnvironment environment, QWidget* parent)
    : QMainWindow(parent)
    , FEnvironment(std::move(environment))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kNoReportCaption));
    resize(1024, 768);

    FDocument = new TReportDocument(this);
    FBusy = new TBusyState(this);
    FShiftChooser = FEnvironment.Shifts != nullptr ? FEnvironment.Shifts : new TMPAWindow(this);
    FLogWindow = new TLogWindow(this);
    FUnitsWindow = new TUnitsWindow(FEnvironment.Settings, *FDocument, this);
    FStructureWindow = new TStructureWindow(FEnvironment.Settings, *FDocument, this);
    FRegionWindow
        = new TRegionWindow(FEnvironment.Settings, *FDocument, FEnvironment.Messages, this);
    FCommandWindow = new TUnitCommandWindow(*FDocument, this);
    FListWindows = new TReportListWindows(*FDocument, FEnvironment.Messages, *this);
    BuildLayout();
    FMenu = BuildMainMenu(*menuBar());
    for (QAction* entry : { FMenu.View->menuAction(), FMenu.Selection->menuAction(),
             FMenu.Extras->menuAction(), FMenu.Add, FMenu.AddNewest, FMenu.Save, FMenu.SaveAs })
        FReportOnlyEntries.push_back(entry);
    BuildCommands();
    BuildMapView();
    BuildInfoWindows();
    AcceptDrops();

    connect(FDocument, &TReportDocument::changed, this, [this](const DocumentChange& change) {
        if (change.Kind == DocumentChangeKind::Replaced) {
            UpdateMenus();
            ShowHint(QString());
        }
        if (change.Whole())
            UpdateCaption();
    });
    BindUndoEntries(FDocument->UndoStack(), *FMenu.Undo, *FMenu.Redo);
    connect(FDocument, &TReportDocument::fileNameChanged, this, &TMainWindow::UpdateCaption);
    connect(FBusy, &TBusyState::idle, this, [this] {
        if (FCloseWhenIdle) {
            FCloseWhenIdle = false;
            QTimer::singleShot(0, this, &QWidget::close);
        }
    });
    UpdateMenus();
    UpdateUnitsEntry();

    // The reading warnings in the status bar, no region text of a former
    // report, and the layout of the last run, once every dock exists.
    auto* warnings = new TReadingWarningsLabel(statusBar());
    statusBar()->addPermanentWidget(warnings);
    connect(FFileCommands, &TFileCommands::readingWarnings, warnings,
        &TReadingWarningsLabel::ShowCount);
    connect(warnings, &TReadingWarningsLabel::clicked, FMenu.LogFile, &QAction::trigger);
    RestoreMainWindowLayout(FEnvironment.Store, *this, *FFileCommands, *FLogWindow);
}

TMainWindow::~TMainWindow()
{
    // Info windows and the map view may still hold references into the report.
    FDocument->Replace(nullptr, QString());
}

void TMainWindow::BuildLayout()
{
    auto* panel6 = new QToolBar(this);
    panel6->setObjectName(QStringLiteral("Panel6"));
    panel6->setMovable(false);
    panel6->setFloatable(false);
    panel6->toggleViewAction()->setVisible(false);
    panel6->addWidget(new TLayerList(*FDocument, panel6));
    addToolBar(Qt::TopToolBarArea, panel6);

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto* panel1Layout = new QVBoxLayout(panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    FPanel2 = new QWidget(panel1);
    FPanel2->setObjectName(QStringLiteral("Panel2"));
    auto* panel2Layout = new QVBoxLayout(FPanel2);
    panel2Layout->setContentsMargins(0, 0, 0, 0);
    auto* placeholder = new TMapPlaceholder(FPanel2);
    panel2Layout->addWidget(placeholder);
    FMapView = placeholder;
    BindMapView(*FDocument, *FMapView);
    panel1Layout->addWidget(FPanel2);
    setCentralWidget(panel1);

    // Info windows dock left (Panel3), right (Panel4) and at the bottom
    // (Panel7); an empty dock area takes no room.
    setDockOptions(
        QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);

    auto* statusBar1 = new QStatusBar(this);
    statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    FStatusProgress = new TStatusProgress(statusBar1);
    FHint = new QLabel(statusBar1);
    FHint->setObjectName(QStringLiteral("StatusPanel1"));
    statusBar1->addWidget(FStatusProgress);
    statusBar1->addWidget(FHint, 1);
    setStatusBar(statusBar1);

    FAddProgress = new TAddProgressPanel(this);
}

void TMainWindow::BuildCommands()
{
    const MainWindowEnvironment& env = FEnvironment;
    FRecentFiles = new TRecentFilesMenu(*FMenu.Program, env.Store, this);
    FFileCommands = new TFileCommands(
        FileCommandsParts { *FDocument, *FBusy, *this, env.Settings, env.Messages, env.Files,
            *FShiftChooser, *FStatusProgress, *FAddProgress, *FLogWindow, *FRecentFiles },
        this);
    connect(FMenu.Open, &QAction::triggered, FFileCommands, &TFileCommands::OpenCommand);
    connect(FMenu.Add, &QAction::triggered, FFileCommands, &TFileCommands::AddCommand);
    connect(FMenu.AddNewest, &QAction::triggered, FFileCommands, &TFileCommands::AddNewestCommand);
    connect(FMenu.Save, &QAction::triggered, FFileCommands, &TFileCommands::SaveFile);
    connect(FMenu.SaveAs, &QAction::triggered, FFileCommands, &TFileCommands::SaveFileAs);
    FProgramCommands
        = new TProgramCommands(ProgramCommandsParts { *this, FMenu, *FDocument, env.Settings,
                                   env.Messages, *FLogWindow, env.Associations },
            this);
    connect(FProgramCommands, &TProgramCommands::configured, this, &TMainWindow::UpdateUnitsEntry);
    FSession = new TProgramSession(
        ProgramSessionParts { *FDocument, *FFileCommands, *FRecentFiles, *FLogWindow, env.Settings,
            env.Messages, env.Paths, env.Arguments },
        this);
}

void TMainWindow::AcceptDrops()
{
    const auto dropped = [this](const QStringList& paths) { FFileCommands->DropFiles(paths); };
    AcceptFileDrops(*this, dropped);
    // The overview may float as a window of its own.
    if (auto* overview = findChild<TOverviewPanel*>()) {
        AcceptFileDrops(*overview, dropped);
        AcceptFileDrops(*overview->viewport(), dropped);
    }
}

void TMainWindow::BuildMapView()
{
    if (FEnvironment.Pictures == nullptr)
        return;
    auto* map
        = new TMainMapView(*FEnvironment.Pictures, FEnvironment.Settings, FEnvironment.Messages);
    SetMapView(map);
    new TMapCommands(*this, *FDocument, *map, FEnvironment.Settings);
    connect(FRegionWindow, &TRegionWindow::entered, map, &TMapView::StopHoverTimer);
    map->SetAlliances(&FSession->Alliances());
    FMap = map;
}

void TMainWindow::BuildInfoWindows()
{
    QDockWidget* regionDock
        = AddInfoWindow(FRegionWindow, FMenu.InfoWindows.Region, Qt::RightDockWidgetArea);
    FMenu.InfoWindows.Region->setChecked(true);
    // The map keeps most of the width; long unit lines scroll.
    resizeDocks({ regionDock }, { 440 }, Qt::Horizontal);
    AddInfoWindow(FUnitsWindow, FMenu.InfoWindows.Units, Qt::BottomDockWidgetArea);
    AddInfoWindow(FStructureWindow, FMenu.InfoWindows.Structure, Qt::LeftDockWidgetArea);
    AddInfoWindow(FCommandWindow, FMenu.InfoWindows.UnitOrders, Qt::RightDockWidgetArea);
    connect(
        FRegionWindow, &TRegionWindow::unitSelected, FCommandWindow, &TUnitCommandWindow::ShowUnit);
    connect(FCommandWindow, &TUnitCommandWindow::unitStepRequested, FRegionWindow,
        &TRegionWindow::StepUnit);
    FListWindows->Place(FMenu);
    auto* orders = new TOrderCommands(
        { *this, FMenu, FEnvironment.Settings, FEnvironment.Messages, *FRegionWindow });
    ExportWindowParts exportParts { FEnvironment.Settings, *FDocument, FEnvironment.Messages,
        FEnvironment.Pictures };
    exportParts.Sender = &orders->Sender();
    auto* exportWindow = new TExportWindow(exportParts, this);
    connect(FMenu.Select.Export, &QAction::triggered, exportWindow, &QDialog::exec);
    auto* unitWindow = new TUnitWindow(*FDocument, this);
    connect(FRegionWindow, &TRegionWindow::unitSelected, unitWindow, &TUnitWindow::ShowUnit);
    connect(FRegionWindow, &TRegionWindow::unitOpened, unitWindow, [unitWindow](const TUnit* unit) {
        unitWindow->ShowUnit(unit);
        unitWindow->show();
        unitWindow->raise();
    });
    InstallTools({ *this, FEnvironment.Settings, FEnvironment.Messages, FSession->Alliances(),
        *FProgramCommands, FMap });
}

bool TMainWindow::Busy() const
{
    return FBusy->Busy();
}

void TMainWindow::UpdateMenus()
{
    for (QAction* entry : FReportOnlyEntries)
        ShowMenuEntry(entry, FDocument->Report() != nullptr);
}

void TMainWindow::UpdateCaption()
{
    setWindowTitle(MainWindowCaption(FDocument->Report(), FDocument->FileName()));
}

QDockWidget* TMainWindow::AddInfoWindow(QWidget* window, QAction* entry, Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(window->windowTitle(), this);
    dock->setObjectName(window->objectName() + QStringLiteral("Dock"));
    dock->setAllowedAreas(
        Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    dock->setWidget(window);
    // The dock's title bar carries the window's caption (the region's name).
    connect(window, &QWidget::windowTitleChanged, dock, &QWidget::setWindowTitle);
    window->show(); // shown inside the dock, which decides the visibility
    addDockWidget(area, dock);
    dock->hide();
    connect(entry, &QAction::toggled, dock, [dock](bool shown) {
        dock->setVisible(shown);
        if (shown)
            dock->raise();
    });
    // The dock's own close button hides it; the entry follows.
    connect(dock->toggleViewAction(), &QAction::toggled, entry, &QAction::setChecked);
    return dock;
}

void TMainWindow::UpdateUnitsEntry()
{
    const bool enabled = !FEnvironment.Settings.NoUnitWindow.Get();
    if (enabled == FMenu.InfoWindows.Units->isEnabled())
        return;
    EnableMenuEntry(FMenu.InfoWindows.Units, enabled);
    if (!enabled)
        FMenu.InfoWindows.Units->setChecked(false);
    FUnitsWindow->SetFollowing(enabled);
}

void TMainWindow::AddReportOnlyEntry(QAction* entry)
{
    FReportOnlyEntries.push_back(entry);
    ShowMenuEntry(entry, FDocument->Report() != nullptr);
}

void TMainWindow::ShowHint(const QString& text)
{
    FHint->setText(text);
}

bool TMainWindow::event(QEvent* event)
{
    // Hints go to panel 1 instead of covering the whole status bar.
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainWindow::SetMapView(MapViewSlot* view)
{
    FDocument->SetCurrentRegion(nullptr);
    QWidget* old = FMapView->Widget();
    QWidget* fresh = view->Widget();
    fresh->setParent(FPanel2);
    // The layout hands back the item it held the old view in.
    delete FPanel2->layout()->replaceWidget(old, fresh);
    delete old;
    FMapView = view;
    fresh->show();
    // The arrow keys scroll the map.
    fresh->setFocus();
    BindMapView(*FDocument, *FMapView);
}

void TMainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    UpdateUnitsEntry();
    if (FShownOnce)
        return;
    FShownOnce = true;
    // Reading may take a while; the window is painted first.
    QTimer::singleShot(0, FSession, &TProgramSession::StartUp);
}

void TMainWindow::closeEvent(QCloseEvent* event)
{
    if (Busy()) {
        FCloseWhenIdle = true;
        event->ignore();
        return;
    }
    if (!FSession->ConfirmClose()) {
        event->ignore();
        return;
    }
    StoreMainWindowLayout(FEnvironment.Store, *this, *FFileCommands);
    FSession->ShutDown();
    FLogWindow->close();
    event->accept();
}

} // namespace maprune
