// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/search_window.h"

#include <algorithm>

#include <QFormLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "document/report_document.h"
#include "tools/lines/line_number.h"
#include "tools/regions/place_view.h"
#include "tools/search/search_lists.h"
#include "tools/ui/colour_list.h"
#include "tools/ui/place_window.h"
#include "tools/units/unit_view.h"

namespace maprune {

namespace {

struct FieldSpec {
    const char* Caption;
    const char* Initial;
};

// The fields of each tab in order, numbered on through the tabs.
const std::vector<FieldSpec> kItemFields
    = { { "&Nummer", "" }, { "N&ame", "*" }, { "&Beschreibung", "*" }, { "&Partei", "*" } };
const std::vector<FieldSpec> kRegionFields = { { "N&ame", "" }, { "&Terrain", "*" } };
const char* const kTabCaptions[] = { "Gebäude", "Schiffe", "Einheiten", "Regionen" };

size_t FirstField(size_t tab)
{
    return tab * kItemFields.size();
}

std::string Utf8(const QString& text)
{
    return text.toStdString();
}

} // namespace

TSearchWindow::TSearchWindow(
    TSettings& settings, TReportDocument& document, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , FSettings(settings)
    , FDocument(document)
    , FDialogs(dialogs)
{
    setObjectName(QStringLiteral("SearchWindow"));
    setWindowTitle(QStringLiteral("Suche"));
    resize(560, 480);
    auto* layout = new QVBoxLayout(this);
    FTabs = new QTabWidget(this);
    for (size_t tab = 0; tab < kTabs; ++tab)
        FTabs->addTab(BuildTab(tab), QString::fromUtf8(kTabCaptions[tab]));
    layout->addWidget(FTabs);

    const auto follow = [this] {
        if (!isVisible())
            return;
        for (size_t tab = 0; tab < kItemTabs; ++tab)
            Refresh(tab);
        if (FRegionsEdited)
            Refresh(kItemTabs);
    };
    connect(&FDocument, &TReportDocument::changed, this, [follow](const DocumentChange& change) {
        if (change.Structure())
            follow();
    });
}

QWidget* TSearchWindow::BuildTab(size_t tab)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    const std::vector<FieldSpec>& fields = tab < kItemTabs ? kItemFields : kRegionFields;
    for (size_t i = 0; i < fields.size(); ++i) {
        const size_t nr = FirstField(tab) + i;
        auto* edit = new QLineEdit(QString::fromUtf8(fields[i].Initial), page);
        edit->setObjectName(QStringLiteral("Edit%1").arg(nr + 1));
        form->addRow(QString::fromUtf8(fields[i].Caption), edit);
        FEdits[nr] = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, tab] {
            FRegionsEdited = FRegionsEdited || tab == kItemTabs;
            Refresh(tab);
        });
    }
    layout->addLayout(form);
    auto* list = new TColourList(page);
    list->setObjectName(QStringLiteral("XListBox%1").arg(tab + 1));
    layout->addWidget(list, 1);
    FLists[tab] = list;
    connect(list, &QListWidget::itemClicked, this,
        [this, tab](const QListWidgetItem* item) { Clicked(tab, item); });
    connect(list, &QListWidget::itemDoubleClicked, this,
        [this, tab, list](QListWidgetItem* item) { DoubleClicked(tab, list->row(item)); });
    return page;
}

void TSearchWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred over the main window it would hide the region a click centres
    // the map on; it starts at the main window's right edge instead.
    if (!FPlaced && parentWidget() != nullptr) {
        FPlaced = true;
        const QWidget& main = *parentWidget();
        move(main.mapToGlobal(QPoint(std::max(0, main.width() - frameGeometry().width()), 40)));
    }
    for (size_t tab = 0; tab < kItemTabs; ++tab)
        Refresh(tab);
    // The report may have been replaced while the window was closed.
    if (FRegionsEdited)
        Refresh(kItemTabs);
}

QString TSearchWindow::Field(int nr) const
{
    return FEdits[static_cast<size_t>(nr)]->text();
}

void TSearchWindow::Refresh(size_t tab)
{
    const TReport* report = FDocument.Report();
    const int first = static_cast<int>(FirstField(tab));
    if (tab == kItemTabs) {
        const RegionPatterns patterns { Utf8(Field(first)), Utf8(Field(first + 1)) };
        FLists[tab]->clear();
        if (report == nullptr)
            return;
        for (const std::string& line : FindRegions(*report, patterns))
            FLists[tab]->AddLine(line, kOwnScheme);
        return;
    }
    const ItemPatterns patterns { Utf8(Field(first)), Utf8(Field(first + 1)),
        Utf8(Field(first + 2)), Utf8(Field(first + 3)) };
    std::vector<CategoryLine>& lines = FLines[tab];
    lines.clear();
    if (report != nullptr) {
        if (tab == 0)
            lines = FindBuildings(*report, patterns);
        else if (tab == 1)
            lines = FindShips(*report, patterns);
        else
            lines = FindUnits(
                *report, patterns, static_cast<unsigned>(FSettings.UnitListDetails.Get()));
    }
    FLists[tab]->SetLines(lines);
}

void TSearchWindow::Clicked(size_t tab, const QListWidgetItem* item)
{
    const TReport* report = FDocument.Report();
    if (report == nullptr || item == nullptr)
        return;
    const std::string line = Utf8(item->text());
    try {
        TRegion* region = nullptr;
        switch (tab) {
        case 0:
            region = RegionOfBuildingLine(*report, line);
            break;
        case 1:
            region = RegionOfShipLine(*report, line);
            break;
        case 2:
            region = RegionOfUnitLine(*report, line);
            break;
        default:
            region = RegionOfRegionLine(*report, line);
            break;
        }
        if (region != nullptr)
            FDocument.RequestCentre(*region);
    } catch (const Error& e) {
        FDialogs.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
}

void TSearchWindow::DoubleClicked(size_t tab, int row)
{
    TReport* report = FDocument.Report();
    if (report == nullptr || tab == 1 || tab >= kItemTabs || row < 0
        || static_cast<size_t>(row) >= FLines[tab].size())
        return;
    const CategoryLine& line = FLines[tab][static_cast<size_t>(row)];
    if (line.Category != PartyCategory::Own)
        return;
    if (tab == 2) {
        if (TUnit* unit = FindUnitByNumber(*report, NumberInLine(line.Text, report->Basis)))
            emit unitOpened(unit);
        return;
    }
    const unsigned options = static_cast<unsigned>(FSettings.UnitListDetails.Get());
    const PlaceView view = ViewOfBuildingLine(*report, line.Text, options);
    if (view.Caption.empty())
        return;
    ExecPlaceWindow(view, false, *report, this, [this](TUnit* unit) { emit unitOpened(unit); });
}

} // namespace maprune
