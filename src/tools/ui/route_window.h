// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QCursor>
#include <QWidget>

#include "tools/route/way_point_routes.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace maprune {

class Dialogs;
class RouteGraph;
class TMapView;
class TRegion;
class TReportDocument;
class TSettings;

// What the route window works with; everything must outlive it.
struct RouteWindowParts {
    TSettings& Settings; // KelvaranLayout for the copied text
    TReportDocument& Document;
    TMapView& Map; // marking, cursor, route marks
    Dialogs& Messages;
};

// "Reiseroute optimieren" (TRouteWindow): way points (ListBox1) and regions
// to avoid (ListBox2) collected by marking regions on the map while
// "&hinzufügen" or "&bearbeiten" is down; the routes between selected
// consecutive way points drawn on the map; the selected runs reordered into
// their cheapest order ("&optimieren"); the route text copied
// ("&kopieren"). Every showing starts with empty lists, and so does every
// change of the report's regions.
class TRouteWindow : public QWidget {
    Q_OBJECT
public:
    explicit TRouteWindow(RouteWindowParts parts, QWidget* parent = nullptr);
    ~TRouteWindow() override;

    // The map's selection toggle of `region` (its new state is in its Tag).
    void RegionToggled(TRegion* region);

    // The way points in list order, with their list selection.
    std::vector<WayPoint> WayPoints() const;
    std::vector<TRegion*> AvoidedRegions() const;
    // The failure of the route display, empty when every route was drawn.
    QString DisplayProblem() const;

    void Optimise();
    void CopyRoute();

signals:
    // Shown or hidden: the main window hides its menus while it is shown.
    void shownChanged(bool shown);
    // The user closed the window.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void ToggleButtonChanged(QToolButton* button, bool down);
    void ForgetRegions();
    void Clear();
    void AddEntry(QListWidget& list, TRegion* region);
    void MoveSelected(int by);
    void DeleteSelected();
    void UpdateButtons();
    void UpdateRoutes();
    void ClearRoutes();
    RoutePlanOptions PlanOptions() const;
    const RouteGraph* Graph();

    RouteWindowParts FParts;
    std::unique_ptr<RouteGraph> FGraph;
    TRegion* FLastToggled = nullptr;
    // The window unmarks a region itself: no way point goes.
    bool FUnmarking = false;
    bool FPlaced = false;
    std::optional<QCursor> FMapCursor; // the map's cursor while a toggle is down
    QString FProblem;

    QListWidget* FWayPoints = nullptr; // ListBox1
    QListWidget* FAvoid = nullptr; // ListBox2
    QSpinBox* FSpeed = nullptr; // SpinEdit1
    QSpinBox* FStreetSpeed = nullptr; // SpinEdit2
    QToolButton* FAdd = nullptr; // SpeedButton1
    QToolButton* FEdit = nullptr; // SpeedButton2
    QPushButton* FUp = nullptr; // Button3
    QPushButton* FDelete = nullptr; // Button5
    QPushButton* FDown = nullptr; // Button4
    QPushButton* FOptimise = nullptr; // Button2
    QPushButton* FCopy = nullptr; // Button1
    QLabel* FProblemLabel = nullptr;
};

} // namespace maprune
