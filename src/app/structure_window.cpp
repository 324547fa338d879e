// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/structure_window.h"

#include <array>

#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "config/settings.h"
#include "core/text_encoding.h"
#include "document/report_document.h"
#include "model/building.h"
#include "model/property_labels.h"
#include "model/region.h"
#include "model/report.h"
#include "model/ship.h"
#include "model/unit.h"

namespace maprune {

namespace {

enum TreeBits : int32_t {
    Regions = 1,
    RegionDetails = 2,
    Buildings = 4,
    BuildingDetails = 8,
    Ships = 16,
    ShipDetails = 32,
    Units = 64,
    UnitDetails = 128,
};

// The kinds of the popup menu, in its order.
constexpr std::array<std::pair<int32_t, const char*>, 8> kKinds { {
    { Regions, "Regionen" },
    { RegionDetails, "Regionen mit Details" },
    { Buildings, "Gebäude" },
    { BuildingDetails, "Gebäude mit Details" },
    { Ships, "Schiffe" },
    { ShipDetails, "Schiffe mit Details" },
    { Units, "Einheiten" },
    { UnitDetails, "Einheiten mit Details" },
} };

// An item waits for its first opening with a placeholder child; its
// report object is kept in the item's data.
constexpr int kObjectRole = Qt::UserRole;
constexpr int kUnfilledRole = Qt::UserRole + 1;

QString Display(std::string_view modelBytes)
{
    return QString::fromStdString(DisplayText(modelBytes));
}

// The values of `item` with a text: numbers, texts and current values of
// histories; lists have their own branches.
void AddDetails(QTreeWidgetItem& parent, const TReportItem& item)
{
    for (const PropertyLine& line : PropertyLines(item)) {
        parent.addChild(new QTreeWidgetItem(QStringList {
            QString::fromStdString(line.Label) + QStringLiteral(": ") + Display(line.Value) }));
    }
}

QTreeWidgetItem* NewBranch(const QString& text, const TReportItem& item, bool hasChildren)
{
    auto* branch = new QTreeWidgetItem(QStringList { text });
    branch->setData(0, kObjectRole, QVariant::fromValue(reinterpret_cast<quintptr>(&item)));
    if (hasChildren) {
        branch->setData(0, kUnfilledRole, true);
        branch->addChild(new QTreeWidgetItem(QStringList { QStringLiteral("...") }));
    }
    return branch;
}

} // namespace

TStructureWindow::TStructureWindow(TSettings& settings, TReportDocument& document, QWidget* parent)
    : QWidget(parent)
    , FSettings(settings)
{
    setObjectName(QStringLiteral("StructureWindow"));
    setWindowTitle(QStringLiteral("Struktur"));
    FTree = new QTreeWidget(this);
    FTree->setObjectName(QStringLiteral("TreeView1"));
    FTree->setHeaderHidden(true);
    FTree->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FTree);
    connect(FTree, &QTreeWidget::itemExpanded, this, &TStructureWindow::FillBranch);
    connect(FTree, &QWidget::customContextMenuRequested, this, &TStructureWindow::ShowPopupMenu);
    connect(&document, &TReportDocument::changed, this,
        [this, &document](const DocumentChange& change) {
            if (change.Structure())
                SetReport(document.Report());
        });
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this,
        [this] { SetReport(nullptr); });
    connect(&document, &TReportDocument::currentRegionChanged, this, &TStructureWindow::ShowRegion);
}

void TStructureWindow::ShowRegion(const TRegion* region)
{
    FCurrent = region;
    if (FStale || region == nullptr)
        return;
    QTreeWidgetItem* entry = FRegionEntries.value(region);
    if (entry == nullptr)
        return;
    FTree->setCurrentItem(entry);
    // At the top, so that its opened contents show below it.
    FTree->scrollToItem(entry, QAbstractItemView::PositionAtTop);
}

void TStructureWindow::SetReport(const TReport* report)
{
    FReport = report;
    FCurrent = nullptr;
    if (isVisible()) {
        Rebuild();
    } else {
        FTree->clear();
        FRegionEntries.clear();
        FStale = true;
    }
}

void TStructureWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FStale)
        Rebuild();
}

void TStructureWindow::Rebuild()
{
    FStale = false;
    FTree->clear();
    FRegionEntries.clear();
    if (FReport == nullptr)
        return;
    for (const TRegion* region : *FReport->Regions)
        AddEntry(nullptr, *region);
    ShowRegion(FCurrent);
}

void TStructureWindow::AddEntry(QTreeWidgetItem* parent, const TReportItem& item)
{
    const int32_t bits = FSettings.TreeWindowSettings.Get();
    const auto add = [&](QTreeWidgetItem* entry) {
        if (parent != nullptr)
            parent->addChild(entry);
        else
            FTree->addTopLevelItem(entry);
    };
    const auto options = static_cast<unsigned>(FSettings.UnitListDetails.Get());
    if (const auto* region = dynamic_cast<const TRegion*>(&item)) {
        if ((bits & Regions) == 0) {
            // Without region entries their contents stand at the top.
            AddContents(parent, *region);
            return;
        }
        const bool contents = ((bits & RegionDetails) != 0)
            || ((bits & Buildings) != 0 && region->Buildings->Count() > 0)
            || ((bits & Ships) != 0 && region->Ships->Count() > 0)
            || ((bits & Units) != 0 && region->Units->Count() > 0);
        QTreeWidgetItem* entry = NewBranch(Display(RegionDescription(region)), item, contents);
        add(entry);
        FRegionEntries.insert(region, entry);
        return;
    }
    int32_t kind = 0;
    int32_t details = 0;
    if (dynamic_cast<const TBuilding*>(&item) != nullptr) {
        kind = Buildings;
        details = BuildingDetails;
    } else if (dynamic_cast<const TShip*>(&item) != nullptr) {
        kind = Ships;
        details = ShipDetails;
    } else if (dynamic_cast<const TUnit*>(&item) != nullptr) {
        kind = Units;
        details = UnitDetails;
    }
    if ((bits & kind) == 0)
        return;
    const auto& named = static_cast<const TNamedItem&>(item);
    add(NewBranch(Display(named.GetDescription(options)), item, (bits & details) != 0));
}

void TStructureWindow::AddContents(QTreeWidgetItem* parent, const TRegion& region)
{
    for (const TBuilding* building : *region.Buildings)
        AddEntry(parent, *building);
    for (const TShip* ship : *region.Ships)
        AddEntry(parent, *ship);
    for (const TUnit* unit : *region.Units)
        AddEntry(parent, *unit);
}

void TStructureWindow::FillBranch(QTreeWidgetItem* branch)
{
    if (!branch->data(0, kUnfilledRole).toBool())
        return;
    branch->setData(0, kUnfilledRole, false);
    qDeleteAll(branch->takeChildren());
    const auto& item
        = *reinterpret_cast<const TReportItem*>(branch->data(0, kObjectRole).value<quintptr>());
    const int32_t bits = FSettings.TreeWindowSettings.Get();
    if (const auto* region = dynamic_cast<const TRegion*>(&item)) {
        if ((bits & RegionDetails) != 0)
            AddDetails(*branch, item);
        AddContents(branch, *region);
        return;
    }
    AddDetails(*branch, item);
}

void TStructureWindow::ShowPopupMenu(const QPoint& position)
{
    QMenu menu(this);
    const int32_t bits = FSettings.TreeWindowSettings.Get();
    for (const auto& [bit, caption] : kKinds) {
        QAction* entry = menu.addAction(QString::fromUtf8(caption));
        entry->setCheckable(true);
        entry->setChecked((bits & bit) != 0);
        entry->setData(bit);
    }
    const QAction* chosen = menu.exec(FTree->viewport()->mapToGlobal(position));
    if (chosen == nullptr)
        return;
    FSettings.TreeWindowSettings.Set(bits ^ chosen->data().toInt());
    Rebuild();
}

} // namespace maprune
