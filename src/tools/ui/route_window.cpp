// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/route_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "document/report_document.h"
#include "map/ui/map_view_widget.h"
#include "model/region.h"
#include "tools/route/route_graph.h"

namespace maprune {

namespace {

TRegion* RegionOf(const QListWidgetItem* item)
{
    return reinterpret_cast<TRegion*>(item->data(Qt::UserRole).value<quintptr>());
}

QListWidgetItem* FirstEntryOf(const QListWidget& list, const TRegion* region)
{
    for (int row = 0; row < list.count(); ++row) {
        if (RegionOf(list.item(row)) == region)
            return list.item(row);
    }
    return nullptr;
}

std::vector<TRegion*> RegionsOf(const QListWidget& list)
{
    std::vector<TRegion*> regions;
    for (int row = 0; row < list.count(); ++row)
        regions.push_back(RegionOf(list.item(row)));
    return regions;
}

QToolButton* ToggleButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // A button that is down must be told apart from the others at a glance.
    button->setStyleSheet(QStringLiteral(
        "QToolButton { padding: 3px 8px; border: 1px solid palette(mid); border-radius: 3px;"
        " background: palette(button); }"
        " QToolButton:checked { background: palette(highlight); color: palette(highlighted-text); "
        "}"));
    return button;
}

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QListWidget* RegionList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return list;
}

} // namespace

TRouteWindow::TRouteWindow(RouteWindowParts parts, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , FParts(parts)
{
    setObjectName(QStringLiteral("TRouteWindow"));
    setWindowTitle(QStringLiteral("Reiseroute optimieren"));
    BuildLayout();

    TReportDocument& document = FParts.Document;
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this,
        &TRouteWindow::ForgetRegions);
    connect(&document, &TReportDocument::changed, this, [this](const DocumentChange& change) {
        if (change.Structure())
            FGraph.reset();
        else if (change.Kind == DocumentChangeKind::Selection && change.Region != nullptr
            && !FUnmarking)
            RegionToggled(change.Region);
    });
    connect(&document, &TReportDocument::layerSwitched, this, [this] {
        FGraph.reset();
        UpdateRoutes();
    });

    UpdateButtons();
}

TRouteWindow::~TRouteWindow() = default;

void TRouteWindow::BuildLayout()
{
    FWayPoints = RegionList(QStringLiteral("ListBox1"), this);
    FAvoid = RegionList(QStringLiteral("ListBox2"), this);
    FAvoid->setSortingEnabled(true);
    for (QListWidget* list : { FWayPoints, FAvoid })
        list->installEventFilter(this);

    FAdd = ToggleButton(QStringLiteral("&hinzufügen"), QStringLiteral("SpeedButton1"), this);
    FEdit = ToggleButton(QStringLiteral("&bearbeiten"), QStringLiteral("SpeedButton2"), this);
    FUp = Button(QStringLiteral("&aufwärts"), QStringLiteral("Button3"), this);
    FDelete = Button(QStringLiteral("&löschen"), QStringLiteral("Button5"), this);
    FDown = Button(QStringLiteral("&abwärts"), QStringLiteral("Button4"), this);
    FOptimise = Button(QStringLiteral("&optimieren"), QStringLiteral("Button2"), this);
    FCopy = Button(QStringLiteral("&kopieren"), QStringLiteral("Button1"), this);

    FSpeed = new QSpinBox(this);
    FSpeed->setObjectName(QStringLiteral("SpinEdit1"));
    FSpeed->setRange(1, 8);
    FSpeed->setValue(1);
    FStreetSpeed = new QSpinBox(this);
    FStreetSpeed->setObjectName(QStringLiteral("SpinEdit2"));
    FStreetSpeed->setRange(0, 8);
    FStreetSpeed->setValue(2);

    FProblemLabel = new QLabel(this);
    FProblemLabel->setObjectName(QStringLiteral("Label5"));
    FProblemLabel->setWordWrap(true);
    FProblemLabel->setStyleSheet(QStringLiteral("color: #a00000"));

    auto* wayButtons = new QVBoxLayout;
    for (QWidget* button : std::initializer_list<QWidget*> { FAdd, FUp, FDelete, FDown })
        wayButtons->addWidget(button);
    wayButtons->addStretch(1);
    wayButtons->addWidget(FOptimise);
    wayButtons->addWidget(FCopy);
    auto* wayBox = new QGroupBox(QStringLiteral("Haltepunkte"), this);
    auto* wayLayout = new QHBoxLayout(wayBox);
    wayLayout->addWidget(FWayPoints, 1);
    wayLayout->addLayout(wayButtons);

    auto* avoidBox = new QGroupBox(QStringLiteral("zu vermeidende Regionen"), this);
    auto* avoidLayout = new QHBoxLayout(avoidBox);
    avoidLayout->addWidget(FAvoid, 1);
    auto* avoidButtons = new QVBoxLayout;
    avoidButtons->addWidget(FEdit);
    avoidButtons->addStretch(1);
    avoidLayout->addLayout(avoidButtons);

    auto* speedBox = new QGroupBox(QStringLiteral("Regionen pro Runde"), this);
    auto* speedLayout = new QGridLayout(speedBox);
    auto* speedLabel = new QLabel(QStringLiteral("ohne Straße/Ozean"), speedBox);
    speedLabel->setBuddy(FSpeed);
    auto* streetLabel = new QLabel(QStringLiteral("mit Straße (=0 für Weg über Ozean)"), speedBox);
    streetLabel->setBuddy(FStreetSpeed);
    speedLayout->addWidget(speedLabel, 0, 0);
    speedLayout->addWidget(FSpeed, 0, 1);
    speedLayout->addWidget(streetLabel, 1, 0);
    speedLayout->addWidget(FStreetSpeed, 1, 1);
    speedLayout->setColumnStretch(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wayBox, 3);
    layout->addWidget(avoidBox, 2);
    layout->addWidget(speedBox);
    layout->addWidget(FProblemLabel);
    resize(380, 430);

    for (QToolButton* button : { FAdd, FEdit })
        connect(button, &QToolButton::toggled, this,
            [this, button](bool down) { ToggleButtonChanged(button, down); });
    connect(FUp, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(FDown, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(FDelete, &QPushButton::clicked, this, &TRouteWindow::DeleteSelected);
    connect(FOptimise, &QPushButton::clicked, this, &TRouteWindow::Optimise);
    connect(FCopy, &QPushButton::clicked, this, &TRouteWindow::CopyRoute);
    connect(FWayPoints, &QListWidget::itemSelectionChanged, this, [this] {
        UpdateButtons();
        UpdateRoutes();
    });
    for (QSpinBox* spin : { FSpeed, FStreetSpeed })
        connect(spin, &QSpinBox::valueChanged, this, &TRouteWindow::UpdateRoutes);
}

void TRouteWindow::ToggleButtonChanged(QToolButton* button, bool down)
{
    // Only one of the two can be down.
    if (down)
        (button == FAdd ? FEdit : FAdd)->setChecked(false);
    QWidget* map = FParts.Map.viewport();
    const bool anyDown = FAdd->isChecked() || FEdit->isChecked();
    if (anyDown && !FMapCursor) {
        FMapCursor = map->cursor();
        map->setCursor(Qt::PointingHandCursor);
    } else if (!anyDown && FMapCursor) {
        map->setCursor(*FMapCursor);
        FMapCursor.reset();
    }
}

void TRouteWindow::RegionToggled(TRegion* region)
{
    if (region == nullptr || !isVisible())
        return;
    const bool marked = (region->Tag() & TagSelected) != 0;
    if (FAdd->isChecked()) {
        if (marked)
            AddEntry(*FWayPoints, region);
        else
            delete FirstEntryOf(*FWayPoints, region);
        // Only the region of the latest change stays marked on the map.
        if (FLastToggled != nullptr && FLastToggled != region
            && (FLastToggled->Tag() & TagSelected) != 0) {
            // Its way point stays.
            FUnmarking = true;
            FParts.Document.SetRegionSelected(*FLastToggled, false);
            FUnmarking = false;
        }
        FLastToggled = region;
    } else if (FEdit->isChecked()) {
        QListWidgetItem* entry = FirstEntryOf(*FAvoid, region);
        if (marked && entry == nullptr)
            AddEntry(*FAvoid, region);
        else if (!marked)
            delete entry;
    } else {
        return;
    }
    UpdateButtons();
    UpdateRoutes();
}

void TRouteWindow::AddEntry(QListWidget& list, TRegion* region)
{
    auto* item = new QListWidgetItem(QString::fromStdString(RegionDescription(region)));
    item->setData(Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(region)));
    list.addItem(item);
}

std::vector<WayPoint> TRouteWindow::WayPoints() const
{
    std::vector<WayPoint> points;
    for (int row = 0; row < FWayPoints->count(); ++row) {
        const QListWidgetItem* item = FWayPoints->item(row);
        points.push_back({ RegionOf(item), item->isSelected() });
    }
    return points;
}

std::vector<TRegion*> TRouteWindow::AvoidedRegions() const
{
    return RegionsOf(*FAvoid);
}

QString TRouteWindow::DisplayProblem() const
{
    return FProblem;
}

void TRouteWindow::MoveSelected(int by)
{
    const QList<QListWidgetItem*> selected = FWayPoints->selectedItems();
    if (selected.size() != 1)
        return;
    const int row = FWayPoints->row(selected.front());
    const int target = row + by;
    if (target < 0 || target >= FWayPoints->count())
        return;
    QListWidgetItem* item = FWayPoints->takeItem(row);
    FWayPoints->insertItem(target, item);
    FWayPoints->setCurrentItem(item);
    item->setSelected(true);
    UpdateButtons();
    UpdateRoutes();
}

void TRouteWindow::DeleteSelected()
{
    qDeleteAll(FWayPoints->selectedItems());
    UpdateButtons();
    UpdateRoutes();
}

void TRouteWindow::UpdateButtons()
{
    const QList<QListWidgetItem*> selected = FWayPoints->selectedItems();
    const int count = FWayPoints->count();
    const int row = selected.size() == 1 ? FWayPoints->row(selected.front()) : -1;
    FUp->setEnabled(row > 0);
    FDown->setEnabled(row >= 0 && row < count - 1);
    FDelete->setEnabled(!selected.isEmpty());
    FOptimise->setEnabled(CanOptimise(WayPoints()));
    FCopy->setEnabled(count >= 2);
}

RoutePlanOptions TRouteWindow::PlanOptions() const
{
    RoutePlanOptions options;
    options.Avoid = AvoidedRegions();
    options.Speed = FSpeed->value();
    options.StreetSpeed = FStreetSpeed->value();
    options.KelvaranLayout = FParts.Settings.KelvaranLayout.Get();
    return options;
}

const RouteGraph* TRouteWindow::Graph()
{
    if (!FGraph && FParts.Document.Report() != nullptr)
        FGraph = std::make_unique<RouteGraph>(*FParts.Document.Report());
    return FGraph.get();
}

void TRouteWindow::UpdateRoutes()
{
    if (!isVisible())
        return;
    const RouteGraph* graph = Graph();
    if (graph == nullptr)
        return;
    FProblem = QString::fromStdString(MarkRoutes(*graph, WayPoints(), PlanOptions()));
    FProblemLabel->setText(FProblem);
    FParts.Map.RedrawMarked();
}

void TRouteWindow::ClearRoutes()
{
    if (const RouteGraph* graph = Graph()) {
        ClearRouteMarks(*graph);
        FParts.Map.RedrawMarked();
    }
    FProblem.clear();
    FProblemLabel->clear();
}

void TRouteWindow::Optimise()
{
    const RouteGraph* graph = Graph();
    if (graph == nullptr)
        return;
    try {
        const std::vector<TRegion*> order = OptimiseWayPoints(
            *graph, WayPoints(), AvoidedRegions(), FStreetSpeed->value(), FSpeed->value());
        FWayPoints->clear();
        for (TRegion* region : order)
            AddEntry(*FWayPoints, region);
    } catch (const Error& e) {
        FParts.Messages.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
    UpdateButtons();
    UpdateRoutes();
}

void TRouteWindow::CopyRoute()
{
    const RouteGraph* graph = Graph();
    if (graph == nullptr)
        return;
    try {
        const std::vector<RouteLeg> legs = RouteLegs(*graph, RegionsOf(*FWayPoints), PlanOptions());
        QGuiApplication::clipboard()->setText(QString::fromStdString(RouteCopyText(legs)));
    } catch (const Error& e) {
        FParts.Messages.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
}

void TRouteWindow::ForgetRegions()
{
    // The lists and the last marked region point into the regions about to
    // be freed; their route marks go with them.
    if (FGraph)
        ClearRouteMarks(*FGraph);
    FGraph.reset();
    FWayPoints->clear();
    FAvoid->clear();
    FLastToggled = nullptr;
    FProblem.clear();
    FProblemLabel->clear();
    UpdateButtons();
}

void TRouteWindow::Clear()
{
    FWayPoints->clear();
    FAvoid->clear();
    FLastToggled = nullptr;
    UpdateButtons();
    UpdateRoutes();
}

void TRouteWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!FPlaced) {
        FPlaced = true;
        move(FParts.Map.mapToGlobal(QPoint(8, 8)));
    }
    Clear();
    emit shownChanged(true);
}

void TRouteWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit shownChanged(false);
}

void TRouteWindow::closeEvent(QCloseEvent* event)
{
    FAdd->setChecked(false);
    FEdit->setChecked(false);
    ClearRoutes();
    event->accept();
    emit closed();
}

bool TRouteWindow::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == FWayPoints || watched == FAvoid) && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        FAdd->toggle();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace maprune
