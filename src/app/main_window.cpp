// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/add_progress_panel.h"
#include "app/log_window.h"
#include "app/main_map_view.h"
#include "app/map_commands.h"
#include "app/map_view_slot.h"
#include "app/mpa_window.h"
#include "app/status_progress.h"
#include "app/structure_window.h"
#include "app/units_window.h"
#include "app/window_caption.h"
#include "config/recent_files.h"
#include "config/settings.h"
#include "config/ui/file_associations.h"
#include "config/unit_sort_criteria.h"
#include "map/map_navigation.h"
#include "model/report.h"

namespace maprune {

TMainWindow::TMainWindow(MainWindowEnvironment environment, QWidget* parent)
    : QMainWindow(parent)
    , env_(std::move(environment))
    , sortCriteria_(std::make_unique<UnitSortCriteria>(ProgramUnitSortCriteria()))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kNoReportCaption));
    resize(1024, 768);

    shiftChooser_ = env_.Shifts != nullptr ? env_.Shifts : new TMPAWindow(this);
    logWindow_ = new TLogWindow(this);
    unitsWindow_ = new TUnitsWindow(env_.Settings, this);
    structureWindow_ = new TStructureWindow(env_.Settings, this);
    BuildLayout();
    menu_ = BuildMainMenu(*menuBar());
    for (QAction* entry : { menu_.View->menuAction(), menu_.Selection->menuAction(),
             menu_.Extras->menuAction(), menu_.Add, menu_.Save, menu_.SaveAs })
        reportOnlyEntries_.push_back(entry);
    ConnectMenu();
    UpdateMenus();
    if (env_.Pictures != nullptr) {
        auto* map = new TMainMapView(*env_.Pictures, env_.Settings, env_.Messages);
        SetMapView(map);
        mapCommands_ = new TMapCommands(*this, *map, env_.Settings);
        map->SetAlliances(&alliances_);
        connect(
            mapCommands_, &TMapCommands::selectionChanged, this, &TMainWindow::RefillUnitsWindow);
    }
    AddInfoWindow(unitsWindow_, menu_.InfoWindows.Units, Qt::BottomDockWidgetArea);
    AddInfoWindow(structureWindow_, menu_.InfoWindows.Structure, Qt::LeftDockWidgetArea);
    const auto showStructure = [this](TReport* report) { structureWindow_->SetReport(report); };
    connect(this, &TMainWindow::reportReplaced, structureWindow_, showStructure);
    connect(this, &TMainWindow::reportChanged, structureWindow_, showStructure);
    connect(this, &TMainWindow::regionsAboutToBeFreed, structureWindow_,
        [this] { structureWindow_->SetReport(nullptr); });
    connect(this, &TMainWindow::reportReplaced, this, &TMainWindow::RefillUnitsWindow);
    connect(this, &TMainWindow::reportChanged, this, &TMainWindow::RefillUnitsWindow);
    UpdateUnitsEntry();

    try {
        QStringList files;
        for (const std::string& file : LoadRecentFiles(env_.Store))
            files += QString::fromStdString(file);
        recent_.SetFiles(files);
    } catch (const std::exception&) {
        // A key that cannot be read leaves the list empty, as on a first start.
    }
}

TMainWindow::~TMainWindow()
{
    // Info windows and the map view may still hold references into the report.
    emit reportReplaced(nullptr);
    mapView_->Rebuild(nullptr);
}

void TMainWindow::BuildLayout()
{
    auto* panel6 = new QToolBar(this);
    panel6->setObjectName(QStringLiteral("Panel6"));
    panel6->setMovable(false);
    panel6->setFloatable(false);
    panel6->toggleViewAction()->setVisible(false);
    layers_ = new QComboBox(panel6);
    layers_->setObjectName(QStringLiteral("ComboBox1"));
    layers_->setMinimumContentsLength(12);
    layers_->setEnabled(false);
    panel6->addWidget(layers_);
    addToolBar(Qt::TopToolBarArea, panel6);
    connect(layers_, &QComboBox::activated, this,
        [this](int index) { SwitchLayer(layers_->itemData(index).toInt()); });

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto* panel1Layout = new QVBoxLayout(panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    panel2_ = new QWidget(panel1);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    auto* panel2Layout = new QVBoxLayout(panel2_);
    panel2Layout->setContentsMargins(0, 0, 0, 0);
    auto* placeholder = new TMapPlaceholder(panel2_);
    panel2Layout->addWidget(placeholder);
    mapView_ = placeholder;
    ReportCurrentRegionChanges();
    panel1Layout->addWidget(panel2_);
    setCentralWidget(panel1);

    // Info windows dock left (Panel3), right (Panel4) and at the bottom
    // (Panel7); an empty dock area takes no room.
    setDockOptions(
        QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);

    auto* statusBar1 = new QStatusBar(this);
    statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusProgress_ = new TStatusProgress(statusBar1);
    hint_ = new QLabel(statusBar1);
    hint_->setObjectName(QStringLiteral("StatusPanel1"));
    statusBar1->addWidget(statusProgress_);
    statusBar1->addWidget(hint_, 1);
    setStatusBar(statusBar1);

    addProgress_ = new TAddProgressPanel(this);
}

void TMainWindow::UpdateMenus()
{
    for (QAction* entry : reportOnlyEntries_)
        ShowMenuEntry(entry, report_ != nullptr);
}

QDockWidget* TMainWindow::AddInfoWindow(QWidget* window, QAction* entry, Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(window->windowTitle(), this);
    dock->setObjectName(window->objectName() + QStringLiteral("Dock"));
    dock->setAllowedAreas(
        Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    dock->setWidget(window);
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
    const bool enabled = !env_.Settings.NoUnitWindow.Get();
    if (enabled == menu_.InfoWindows.Units->isEnabled())
        return;
    EnableMenuEntry(menu_.InfoWindows.Units, enabled);
    if (!enabled)
        menu_.InfoWindows.Units->setChecked(false);
    RefillUnitsWindow();
}

void TMainWindow::RefillUnitsWindow()
{
    unitsWindow_->Refill(report_.get(), menu_.InfoWindows.Units->isEnabled());
}

void TMainWindow::AddReportOnlyEntry(QAction* entry)
{
    reportOnlyEntries_.push_back(entry);
    ShowMenuEntry(entry, report_ != nullptr);
}

void TMainWindow::SetModified()
{
    if (report_)
        modified_ = true;
}

void TMainWindow::ShowHint(const QString& text)
{
    hint_->setText(text);
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

void TMainWindow::UpdateCaption()
{
    setWindowTitle(MainWindowCaption(report_.get(), fileName_));
}

void TMainWindow::FillLayerList()
{
    const QSignalBlocker blocker(layers_);
    layers_->clear();
    if (report_) {
        for (int32_t z : report_->Layers())
            layers_->addItem(QString::fromStdString(LayerName(z)), z);
        layers_->setCurrentIndex(layers_->findData(report_->ActiveLayer));
    }
    layers_->setEnabled(layers_->count() > 0);
}

void TMainWindow::RebuildView()
{
    FillLayerList();
    mapView_->Rebuild(report_.get());
}

void TMainWindow::SwitchLayer(int z)
{
    if (!report_ || z == report_->ActiveLayer)
        return;
    ClearCurrentRegion();
    // The view switches the report's layer and rebuilds itself for it.
    if (mapView_->SwitchLayer(z))
        FillLayerList();
}

void TMainWindow::SetMapView(MapViewSlot* view)
{
    ClearCurrentRegion();
    QWidget* old = mapView_->Widget();
    QWidget* fresh = view->Widget();
    fresh->setParent(panel2_);
    panel2_->layout()->replaceWidget(old, fresh);
    delete old;
    mapView_ = view;
    ReportCurrentRegionChanges();
    fresh->show();
    // The arrow keys scroll the map.
    fresh->setFocus();
    mapView_->Rebuild(report_.get());
}

void TMainWindow::ReportCurrentRegionChanges()
{
    mapView_->OnCurrentRegionChanged(
        [this](TRegion* region) { emit currentRegionChanged(report_.get(), region); });
}

TRegion* TMainWindow::CurrentRegion() const
{
    return mapView_->CurrentRegion();
}

void TMainWindow::ClearCurrentRegion()
{
    mapView_->SetCurrentRegion(nullptr);
}

} // namespace maprune
