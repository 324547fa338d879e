// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/info/region_window.h"

#include <QComboBox>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMetaMethod>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/info/add_region_comment_window.h"
#include "config/settings.h"
#include "core/dialogs.h"
#include "core/text_encoding.h"
#include "document/report_document.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/ui/order_marks.h"
#include "report/report_encoding.h"
#include "tools/lines/line_number.h"
#include "tools/regions/list_series.h"
#include "tools/regions/region_view.h"
#include "tools/ui/colour_list.h"
#include "tools/ui/place_window.h"
#include "tools/units/unit_order.h"
#include "tools/units/unit_view.h"

namespace maprune {

namespace {

const char* const kDeleteQuestion
    = "Sind Sie sicher, daß Sie den Regionskommentar löschen wollen ?";

// The value labels in the order of RegionView::Values, with the key of the
// series a double-click asks for (none for the last three).
struct ValueRow {
    const char* Label;
    const char* SeriesKey;
};
constexpr std::array<ValueRow, 9> kRows { { { "Label5", "Bauern" }, { "Label6", "Silber" },
    { "Label7", nullptr }, { "Label8", nullptr }, { "Label11", "Pferde" }, { "Label12", "Laen" },
    { "Label15", "Eisen" }, { "Label16", "Baeume" }, { "Label18", nullptr } } };

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace

TRegionWindow::TRegionWindow(
    TSettings& settings, TReportDocument& document, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent)
    , FSettings(settings)
    , FDocument(document)
    , FDialogs(dialogs)
    , FAskComment(&TAddRegionCommentWindow::Ask)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Region"));
    BuildLayout();
    ConnectLists();
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this,
        [this] { Update(nullptr, nullptr); });
    connect(&document, &TReportDocument::currentRegionChanged, this,
        [this](TRegion* region) { Update(FDocument.Report(), region); });
    connect(&document, &TReportDocument::changed, this, [this](const DocumentChange& change) {
        if (change.Kind == DocumentChangeKind::UnitOrders) {
            RefreshUnitLines();
        } else if (change.Structure()) {
            // The report changed in place: show the region anew.
            FReport = nullptr;
            Update(FDocument.Report(), FDocument.CurrentRegion());
        } else if (change.Kind == DocumentChangeKind::RegionComments && change.Region == FRegion) {
            FReport = nullptr;
            Update(FDocument.Report(), FRegion);
        }
    });
    Refill();
}

void TRegionWindow::BuildLayout()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(BuildValues());
    FPrices = new TColourList(this);
    FPrices->setObjectName(QStringLiteral("ListBox1"));
    FPrices->setMaximumHeight(120);
    layout->addWidget(FPrices);

    FTabs = new QTabWidget(this);
    // Six tabs fit the dock's width with a narrower padding than the style's.
    FTabs->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 6px; }"));
    const auto list = [this](const char* name) {
        auto* box = new TColourList(this);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    FUnitList = list("ListBox2");
    FBuildings = list("ListBox3");
    FShips = list("ListBox4");
    FPassthrough = list("ListBox7");
    FTabs->addTab(FUnitList, QStringLiteral("Einheiten"));
    FTabs->addTab(FBuildings, QStringLiteral("Gebäude"));
    FTabs->addTab(FShips, QStringLiteral("Schiffe"));
    FTabs->addTab(BuildCommentTab(), QStringLiteral("Kommentar"));
    FTabs->addTab(BuildStatisticsTab(), QStringLiteral("Statistik"));
    FTabs->addTab(FPassthrough, QStringLiteral("Durchreise"));
    layout->addWidget(FTabs, 1);
}

QWidget* TRegionWindow::BuildValues()
{
    auto* values = new QWidget(this);
    auto* grid = new QGridLayout(values);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    // Captions and figures stay together at the left; the rest of the width
    // stays empty.
    grid->setColumnStretch(4, 1);
    for (size_t i = 0; i < kRows.size(); ++i) {
        FValueCaptions[i] = new QLabel(values);
        FValues[i] = new QLabel(values);
        FValues[i]->setObjectName(QString::fromLatin1(kRows[i].Label));
        FValues[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The last row's caption is long; it takes the whole width.
        const int row = static_cast<int>(i < 8 ? i / 2 : 4);
        const int column = static_cast<int>(i < 8 ? (i % 2) * 2 : 0);
        grid->addWidget(FValueCaptions[i], row, column, 1, i < 8 ? 1 : 3);
        grid->addWidget(FValues[i], row, i < 8 ? column + 1 : 3);
        FValues[i]->setMinimumWidth(
            FValues[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
        for (QLabel* label : { FValueCaptions[i], FValues[i] })
            label->installEventFilter(this);
    }
    FValueCaptions[7]->setObjectName(QStringLiteral("Label10"));
    return values;
}

QWidget* TRegionWindow::BuildCommentTab()
{
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    FComments = new TColourList(tab);
    FComments->setObjectName(QStringLiteral("ListBox5"));
    layout->addWidget(FComments, 1);
    auto* buttons = new QHBoxLayout;
    FAddComment = new QPushButton(QStringLiteral("+"), tab);
    FAddComment->setObjectName(QStringLiteral("Button1"));
    FDeleteComment = new QPushButton(QStringLiteral("-"), tab);
    FDeleteComment->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(FAddComment);
    buttons->addWidget(FDeleteComment);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(FAddComment, &QPushButton::clicked, this, &TRegionWindow::AddComment);
    connect(FDeleteComment, &QPushButton::clicked, this, &TRegionWindow::DeleteComment);
    connect(
        FComments, &QListWidget::itemClicked, this, [this] { FDeleteComment->setEnabled(true); });
    return tab;
}

QWidget* TRegionWindow::BuildStatisticsTab()
{
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    FParties = new QComboBox(tab);
    FParties->setObjectName(QStringLiteral("ComboBox1"));
    FGoods = new TColourList(tab);
    FGoods->setObjectName(QStringLiteral("ListBox6"));
    FTalents = new TColourList(tab);
    FTalents->setObjectName(QStringLiteral("ListBox8"));
    layout->addWidget(FParties);
    auto* lists = new QHBoxLayout;
    lists->addWidget(FGoods);
    lists->addWidget(FTalents);
    layout->addLayout(lists, 1);
    connect(FParties, &QComboBox::activated, this, [this](int index) {
        FStatisticsParty = FParties->itemData(index).toInt();
        if (FReport != nullptr && FRegion != nullptr)
            ShowStatistics(StatisticsOfRegion(*FReport, *FRegion, FStatisticsParty));
    });
    return tab;
}

void TRegionWindow::ConnectLists()
{
    connect(FUnitList, &QListWidget::currentRowChanged, this,
        [this](int row) { emit unitSelected(UnitAt(row)); });
    connect(FUnitList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        TUnit* unit = UnitAt(FUnitList->row(item));
        if (unit == nullptr)
            return;
        if (unit->IsOwn())
            emit unitOpened(unit);
        else
            emit mailRequested(unit);
    });
    connect(FBuildings, &QListWidget::itemDoubleClicked, this,
        [this](QListWidgetItem* item) { OpenPlace(item->text(), false); });
    connect(FShips, &QListWidget::itemDoubleClicked, this,
        [this](QListWidgetItem* item) { OpenPlace(item->text(), true); });
    for (TColourList* list : { FUnitList, FBuildings, FShips }) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& position) { ShowListMenu(list, position); });
    }
}

void TRegionWindow::SetCommentAsker(std::function<QString(QWidget*)> ask)
{
    FAskComment = std::move(ask);
}

TUnit* TRegionWindow::UnitAt(int row) const
{
    return row >= 0 && static_cast<size_t>(row) < FUnits.size() ? FUnits[static_cast<size_t>(row)]
                                                                : nullptr;
}

void TRegionWindow::Update(TReport* report, TRegion* region)
{
    if (report == FReport && region == FRegion)
        return;
    FReport = report;
    FRegion = report != nullptr ? region : nullptr;
    Refill();
}

void TRegionWindow::Refill()
{
    const RegionViewOptions options { static_cast<unsigned>(FSettings.UnitListDetails.Get()),
        UnitOrderFromSettings(FSettings.UnitListSortOptions.Get()), FStatisticsParty };
    const RegionView view
        = FReport != nullptr ? ViewOfRegion(*FReport, FRegion, options) : ViewOfNoRegion();

    FAddComment->setEnabled(FRegion != nullptr);
    FDeleteComment->setEnabled(false);
    setWindowTitle(FReport != nullptr ? Text(view.Caption) : QStringLiteral("Region"));
    for (size_t i = 0; i < kRows.size(); ++i) {
        FValueCaptions[i]->setText(Text(view.Values[i].Caption));
        FValues[i]->setText(Text(view.Values[i].Text));
    }
    FPrices->SetPlainLines(view.Prices);
    FUnits = view.UnitObjects;
    {
        const QSignalBlocker quiet(FUnitList);
        FUnitList->SetLines(view.Units);
        MarkUnitOrders();
    }
    FBuildings->SetLines(view.Buildings);
    FShips->SetLines(view.Ships);
    FComments->SetPlainLines(view.Comments);
    FPassthrough->SetPlainLines(view.Passthrough);
    ShowStatistics(view.Statistics);
    SelectUnit(view.SelectedUnit);
}

void TRegionWindow::RefreshUnitLines()
{
    if (FReport == nullptr || FRegion == nullptr)
        return;
    const RegionViewOptions options { static_cast<unsigned>(FSettings.UnitListDetails.Get()),
        UnitOrderFromSettings(FSettings.UnitListSortOptions.Get()), FStatisticsParty };
    const RegionView view = ViewOfRegion(*FReport, FRegion, options);
    // Only the texts: the chosen unit stays, and so its orders in the editor.
    const QSignalBlocker quiet(FUnitList);
    const int row = FUnitList->currentRow();
    FUnits = view.UnitObjects;
    FUnitList->SetLines(view.Units);
    MarkUnitOrders();
    FUnitList->setCurrentRow(row);
}

void TRegionWindow::MarkUnitOrders()
{
    for (int row = 0; row < FUnitList->count(); ++row) {
        if (const TUnit* unit = UnitAt(row); unit != nullptr && FReport != nullptr)
            MarkOrderFindings(*FUnitList->item(row), *FReport, FRegion, *unit);
    }
}

void TRegionWindow::ShowStatistics(const RegionStatistics& statistics)
{
    const QSignalBlocker quiet(FParties);
    FParties->clear();
    for (size_t i = 0; i < statistics.Parties.size(); ++i)
        FParties->addItem(Text(statistics.PartyNames[i]), statistics.Parties[i]);
    FParties->setCurrentIndex(statistics.Chosen);
    FGoods->SetPlainLines(statistics.Goods);
    FTalents->SetPlainLines(statistics.Talents);
}

void TRegionWindow::StepUnit(int step)
{
    if (FUnits.empty())
        return;
    const int last = static_cast<int>(FUnits.size()) - 1;
    SelectUnit(std::clamp(FUnitList->currentRow() + step, 0, last));
}

void TRegionWindow::SelectUnitLine(const TUnit* unit)
{
    const auto found = std::find(FUnits.begin(), FUnits.end(), unit);
    if (unit == nullptr || found == FUnits.end()) {
        FUnitList->setCurrentRow(-1);
        FUnitList->clearSelection();
        emit unitSelected(nullptr);
        return;
    }
    FTabs->setCurrentWidget(FUnitList);
    SelectUnit(static_cast<int>(found - FUnits.begin()));
}

void TRegionWindow::SelectUnit(int row)
{
    FUnitList->setCurrentRow(row);
    emit unitSelected(UnitAt(row));
}

void TRegionWindow::AddComment()
{
    if (FRegion == nullptr)
        return;
    const QString line = FAskComment(this);
    if (!line.isEmpty())
        FDocument.AddRegionComment(*FRegion, ToReportText(*FReport, line.toStdString()));
}

void TRegionWindow::DeleteComment()
{
    const int row = FComments->currentRow();
    if (FRegion == nullptr || row < 0)
        return;
    if (FDialogs.ShowMessage(
            MessageKind::Confirmation, kDeleteQuestion, ButtonYes | ButtonNo | ButtonCancel)
        == ButtonYes)
        FDocument.DeleteRegionComment(*FRegion, row);
}

void TRegionWindow::ShowListMenu(TColourList* list, const QPoint& position)
{
    QListWidgetItem* item = list->itemAt(position);
    if (item == nullptr || FReport == nullptr || FRegion == nullptr)
        return;
    const TUnit* unit = list == FUnitList ? UnitAt(list->row(item)) : nullptr;
    const std::vector<ListSeries> series = list == FUnitList
        ? (unit != nullptr ? UnitListSeries(*FReport, *unit) : std::vector<ListSeries>())
        : PlaceListSeries(*FReport, *FRegion, item->text().toStdString(), list == FBuildings);
    QMenu menu(this);
    // The entries wait for the chart window that takes the series.
    const bool charted
        = isSignalConnected(QMetaMethod::fromSignal(&TRegionWindow::seriesRequested));
    for (const ListSeries& one : series) {
        QAction* entry = menu.addAction(Text(one.Title));
        entry->setEnabled(charted);
        connect(entry, &QAction::triggered, this,
            [this, expression = Text(one.Expression), title = Text(one.Title)] {
                emit seriesRequested(expression, title);
            });
    }
    if (!series.empty())
        menu.exec(list->viewport()->mapToGlobal(position));
}

void TRegionWindow::OpenPlace(const QString& line, bool ship)
{
    if (FReport == nullptr)
        return;
    const auto options = static_cast<unsigned>(FSettings.UnitListDetails.Get());
    const std::string text = line.toStdString();
    const PlaceView view = ship ? ViewOfShipLine(*FReport, text, options)
                                : ViewOfBuildingLine(*FReport, text, options);
    if (view.Caption.empty())
        return;
    TPlaceWindow window(view, ship, this);
    connect(&window, &TPlaceWindow::unitLineChosen, this, [this](const QString& unitLine) {
        const int32_t nr = NumberInLine(unitLine.toStdString(), FReport->Basis);
        if (TUnit* unit = FindUnitByNumber(*FReport, nr))
            emit unitOpened(unit);
    });
    window.exec();
}

void TRegionWindow::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    emit entered();
}

bool TRegionWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonDblClick || FRegion == nullptr)
        return QWidget::eventFilter(watched, event);
    for (size_t i = 0; i < kRows.size(); ++i) {
        if ((watched == FValues[i] || watched == FValueCaptions[i])
            && kRows[i].SeriesKey != nullptr) {
            const QString key = QString::fromLatin1(kRows[i].SeriesKey);
            emit seriesRequested(QStringLiteral("region[%1,%2].%3")
                                     .arg(FRegion->CX)
                                     .arg(FRegion->CY)
                                     .arg(key.toLower()),
                key + QStringLiteral(": ") + Text(DisplayText(FRegion->Name)));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace maprune
