// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/stats_window.h"

#include <algorithm>
#include <iterator>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "core/text_encoding.h"
#include "document/report_document.h"
#include "model/game_data.h"
#include "tools/stats/report_statistics.h"
#include "tools/ui/colour_list.h"

namespace maprune {

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

TColourList* AddList(QLayout& layout, const QString& title, const char* name)
{
    auto* column = new QWidget;
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    auto* list = new TColourList(column);
    list->setObjectName(QString::fromLatin1(name));
    columnLayout->addWidget(new QLabel(title, column));
    columnLayout->addWidget(list, 1);
    layout.addWidget(column);
    return list;
}

// Ticks at whole numbers only: levels and persons have no fractions.
void SetIntegerRange(QValueAxis& axis, long long low, long long high)
{
    constexpr long long kMostTicks = 10;
    constexpr long long kMantissas[] = { 1, 2, 5 };
    long long step = 1;
    long long power = 1;
    size_t mantissa = 0;
    while (high - low > kMostTicks * step) { // steps of 1, 2, 5, 10, 20, 50 ...
        if (++mantissa == std::size(kMantissas)) {
            mantissa = 0;
            power *= 10;
        }
        step = kMantissas[mantissa] * power;
    }
    high = low + (high - low + step - 1) / step * step;
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(static_cast<double>(low));
    axis.setTickInterval(static_cast<double>(step));
    axis.setRange(static_cast<double>(low), static_cast<double>(high));
}

} // namespace

TStatsWindow::TStatsWindow(TReportDocument& document, QWidget* parent)
    : QDialog(parent)
    , FDocument(document)
{
    setObjectName(QStringLiteral("StatsWindow"));
    setWindowTitle(QStringLiteral("Statistik"));
    resize(720, 560);

    auto* layout = new QVBoxLayout(this);
    FStanding = new QLabel(this);
    FStanding->setObjectName(QStringLiteral("Label1"));
    FStanding->setWordWrap(true);
    layout->addWidget(FStanding);
    auto* partyRow = new QHBoxLayout;
    FParties = new QComboBox(this);
    FParties->setObjectName(QStringLiteral("ComboBox1"));
    FParties->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* partyLabel = new QLabel(QStringLiteral("&Partei:"), this);
    partyLabel->setBuddy(FParties);
    partyRow->addWidget(partyLabel);
    partyRow->addWidget(FParties, 1);
    layout->addLayout(partyRow);

    FTabs = new QTabWidget(this);
    FTabs->addTab(BuildStandardTab(), QStringLiteral("Standard"));
    FTabs->addTab(BuildTalentTab(), QStringLiteral("Talente"));
    auto* selected = new QWidget;
    FSelected = new TColourList(selected);
    FSelected->setObjectName(QStringLiteral("ListBox4"));
    (new QVBoxLayout(selected))->addWidget(FSelected);
    FTabs->addTab(selected, QStringLiteral("ausgewählte Regionen"));
    layout->addWidget(FTabs, 1);

    connect(FParties, &QComboBox::currentIndexChanged, this, &TStatsWindow::ShowParty);
    connect(FTalents, &QComboBox::currentIndexChanged, this, &TStatsWindow::ShowTalent);
    // Open, the window follows the report; it holds nothing of the old one.
    connect(&FDocument, &TReportDocument::changed, this, [this](const DocumentChange& change) {
        if (!isVisible())
            return;
        if (change.Structure())
            Refill();
        else if (change.Kind == DocumentChangeKind::Selection && FDocument.Report() != nullptr)
            FSelected->SetPlainLines(SelectedRegionsLines(*FDocument.Report()));
    });
}

QWidget* TStatsWindow::BuildStandardTab()
{
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);
    FGoods = AddList(*layout, QStringLiteral("Liste Gegenstände"), "ListBox1");
    FBuildings = AddList(*layout, QStringLiteral("Liste der Gebäude"), "ListBox2");
    FShips = AddList(*layout, QStringLiteral("Liste der Schiffe"), "ListBox3");
    return tab;
}

QWidget* TStatsWindow::BuildTalentTab()
{
    auto* tab = new QWidget;
    auto* layout = new QHBoxLayout(tab);
    auto* side = new QFormLayout;
    FTalents = new QComboBox(tab);
    FTalents->setObjectName(QStringLiteral("ComboBox2"));
    side->addRow(QStringLiteral("&Talent:"), FTalents);
    const char* const names[] = { "Label7", "Label8", "Label10" };
    const char* const captions[]
        = { "Anzahl Personen mit Talent:", "Gesamtlerntage:", "Gesamttalent:" };
    for (size_t i = 0; i < FFigures.size(); ++i) {
        FFigures[i] = new QLabel(QStringLiteral("0"), tab);
        FFigures[i]->setObjectName(QString::fromLatin1(names[i]));
        side->addRow(QString::fromUtf8(captions[i]), FFigures[i]);
    }
    FTopNote = new QLabel(
        QStringLiteral("Stufen über %1 sind bei %1 gezählt.").arg(kTopTalentLevel), tab);
    FTopNote->setObjectName(QStringLiteral("TopLevelNote"));
    FTopNote->setWordWrap(true);
    FTopNote->hide();
    side->addRow(FTopNote);
    layout->addLayout(side);

    FChart = new QChart;
    FChart->setObjectName(QStringLiteral("Chart1"));
    FChart->setTitle(QStringLiteral("Talentwerte"));
    FChart->legend()->hide();
    FSeries = new QLineSeries(FChart);
    FSeries->setObjectName(QStringLiteral("Series1"));
    FSeries->setPointsVisible(true);
    FChart->addSeries(FSeries);
    FLevels = new QValueAxis(FChart);
    FLevels->setTitleText(QStringLiteral("Talentwert"));
    FLevels->setLabelFormat(QStringLiteral("%d"));
    FPersons = new QValueAxis(FChart);
    FPersons->setTitleText(QStringLiteral("Anzahl Personen"));
    FPersons->setLabelFormat(QStringLiteral("%d"));
    FChart->addAxis(FLevels, Qt::AlignBottom);
    FChart->addAxis(FPersons, Qt::AlignLeft);
    FSeries->attachAxis(FLevels);
    FSeries->attachAxis(FPersons);
    auto* view = new QChartView(FChart, tab);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 260);
    layout->addWidget(view, 1);
    return tab;
}

void TStatsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Refill();
}

void TStatsWindow::Refill()
{
    const TReport* report = FDocument.Report();
    FSelected->SetPlainLines(
        report != nullptr ? SelectedRegionsLines(*report) : std::vector<std::string> {});
    {
        const QSignalBlocker quiet(FTalents);
        FTalents->clear();
        for (const GameRecord* talent : TalentChoices())
            FTalents->addItem(Text(DisplayText(talent->Singular)));
    }
    FStanding->setText(report != nullptr ? Text(StandingLine(*report)) : QString());
    {
        const QSignalBlocker quiet(FParties);
        FParties->clear();
        if (report != nullptr) {
            for (const StatisticsParty& party : StatisticsParties(*report))
                FParties->addItem(Text(party.Description), party.Nr);
        }
    }
    ShowParty();
}

int32_t TStatsWindow::ChosenParty() const
{
    return FParties->currentIndex() < 0 ? -1 : FParties->currentData().toInt();
}

void TStatsWindow::ShowParty()
{
    const TReport* report = FDocument.Report();
    PartyTotals totals;
    if (report != nullptr && FParties->currentIndex() >= 0)
        totals = PartyTotalsOf(*report, ChosenParty());
    FGoods->SetPlainLines(totals.Goods);
    FBuildings->SetPlainLines(totals.Buildings);
    FShips->SetPlainLines(totals.Ships);
    ShowTalent();
}

void TStatsWindow::ShowTalent()
{
    const TReport* report = FDocument.Report();
    const std::vector<const GameRecord*> talents = TalentChoices();
    const int talent = FTalents->currentIndex();
    TalentFigures figures;
    if (report != nullptr && FParties->currentIndex() >= 0 && talent >= 0
        && static_cast<size_t>(talent) < talents.size())
        figures = TalentFiguresOf(*report, ChosenParty(), *talents[static_cast<size_t>(talent)]);

    const long long values[] = { figures.Persons, figures.Days, figures.Sum };
    for (size_t i = 0; i < FFigures.size(); ++i)
        FFigures[i]->setText(QString::number(values[i]));
    FTopNote->setVisible(figures.OutsideSlots);
    QList<QPointF> points;
    long long most = 0;
    for (const TalentPoint& point : figures.Points) {
        points.append(QPointF(point.Level, static_cast<double>(point.Persons)));
        most = std::max(most, point.Persons);
    }
    FSeries->replace(points);
    const int low = figures.Points.empty() ? 0 : figures.Points.front().Level;
    const int high = figures.Points.empty() ? 1 : figures.Points.back().Level;
    SetIntegerRange(*FLevels, low, high);
    SetIntegerRange(*FPersons, 0, std::max(most, 1LL));
}

} // namespace maprune
