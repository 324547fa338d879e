// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/trading_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/dialogs.h"
#include "core/error.h"
#include "document/report_document.h"
#include "tools/trade/trade_routes.h"

namespace maprune {

namespace {

const char* const kModeTexts[] = {
    "zu Fuß (ohne Straße eine und mit Straße 2 Regionen pro Runde)",
    "zu Pferd bzw mit Feenstiefeln (ohne Straße 2 und mit Straße 3 Regionen pro Runde)",
    "mit dem Schiff",
    "keine Entfernung berechnen",
};

double ParseDouble(const QLineEdit& edit)
{
    bool ok = false;
    const double value = QLocale().toDouble(edit.text().trimmed(), &ok);
    if (!ok)
        throw Error("'" + edit.text().toStdString() + "' ist kein gültiger Gleitkommawert");
    return value;
}

int ParseInt(const QLineEdit& edit)
{
    bool ok = false;
    const int value = QLocale().toInt(edit.text().trimmed(), &ok);
    if (!ok)
        throw Error("'" + edit.text().toStdString() + "' ist kein gültiger Integerwert");
    return value;
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

} // namespace

TTradingWindow::TTradingWindow(TReportDocument& document, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , FDocument(document)
    , FDialogs(dialogs)
{
    setObjectName(QStringLiteral("TTradingWindow"));
    setWindowTitle(QStringLiteral("Handelsrouten"));

    FSilver = AddEdit(QStringLiteral("Edit1"), QStringLiteral("10"));
    FWeightUnits = AddEdit(QStringLiteral("Edit4"), QStringLiteral("5,4"));
    FFixed = AddEdit(QStringLiteral("Edit2"), QStringLiteral("0"));
    FBuyer = AddEdit(QStringLiteral("Edit3"), QStringLiteral("1"));
    FSeller = AddEdit(QStringLiteral("Edit5"), QStringLiteral("1"));
    FShipSpeed = AddEdit(QStringLiteral("Edit6"), QStringLiteral("7"));
    FMinimum = AddEdit(QStringLiteral("Edit7"), QStringLiteral("500"));
    // The initial "5,4" is German; in another locale it reads as that
    // locale writes 5.4.
    FWeightUnits->setText(QLocale().toString(5.4));

    auto* costs = new QGridLayout;
    costs->addWidget(Caption(QStringLiteral("pro Runde"), this), 0, 0);
    costs->addWidget(FSilver, 0, 1);
    costs->addWidget(Caption(QStringLiteral("Silber je"), this), 0, 2);
    costs->addWidget(FWeightUnits, 0, 3);
    costs->addWidget(Caption(QStringLiteral("GE und"), this), 0, 4);
    costs->addWidget(FFixed, 0, 5);
    costs->addWidget(Caption(QStringLiteral("Silber Fixkosten"), this), 0, 6);
    costs->setColumnStretch(7, 1);

    auto* talents = new QGridLayout;
    talents->addWidget(Caption(QStringLiteral("Käufer hat/haben Handeln Talent"), this), 0, 0);
    talents->addWidget(FBuyer, 0, 1);
    talents->addWidget(Caption(QStringLiteral("Verkäufer hat/haben Handeln Talent"), this), 1, 0);
    talents->addWidget(FSeller, 1, 1);
    talents->addWidget(Caption(QStringLiteral("Schiffsgeschwindigkeit"), this), 2, 0);
    auto* ship = new QHBoxLayout;
    ship->addWidget(FShipSpeed);
    ship->addWidget(Caption(QStringLiteral("Regionen pro Runde"), this));
    talents->addLayout(ship, 2, 1);
    talents->setColumnStretch(2, 1);

    auto* modeBox = new QGroupBox(QStringLiteral("Geschwindigkeit"), this);
    modeBox->setObjectName(QStringLiteral("RadioGroup1"));
    auto* modeLayout = new QVBoxLayout(modeBox);
    auto* modeGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        FModes[i] = new QRadioButton(QString::fromUtf8(kModeTexts[i]), modeBox);
        modeGroup->addButton(FModes[i], i);
        modeLayout->addWidget(FModes[i]);
    }
    FModes[0]->setChecked(true);

    auto* sortBox = new QGroupBox(QStringLiteral("Sortierreihenfolge"), this);
    auto* sortLayout = new QHBoxLayout(sortBox);
    FCriteria = new QListWidget(sortBox);
    FCriteria->setObjectName(QStringLiteral("ListBox1"));
    for (TradeCriterion criterion :
        { TradeCriterion::Profit, TradeCriterion::Return, TradeCriterion::Duration })
        FCriteria->addItem(QString::fromUtf8(TradeCriterionName(criterion)));
    FCriteria->setCurrentRow(0);
    FCriteria->setMaximumHeight(FCriteria->sizeHintForRow(0) * 3 + 2 * FCriteria->frameWidth() + 4);
    auto* up = new QPushButton(QStringLiteral("aufwärts"), sortBox);
    up->setObjectName(QStringLiteral("Button3"));
    auto* down = new QPushButton(QStringLiteral("abwärts"), sortBox);
    down->setObjectName(QStringLiteral("Button2"));
    auto* sortButtons = new QVBoxLayout;
    sortButtons->addWidget(up);
    sortButtons->addWidget(down);
    sortButtons->addStretch(1);
    sortLayout->addWidget(FCriteria, 1);
    sortLayout->addLayout(sortButtons);

    auto* choices = new QHBoxLayout;
    choices->addWidget(modeBox, 2);
    choices->addWidget(sortBox, 1);

    FCastles = new QCheckBox(QStringLiteral("nur tatsächlich mögliche Handelsrouten anzeigen (also "
                                            "Burg in Kaufs- und Verkaufsregion vorhanden)"),
        this);
    FCastles->setObjectName(QStringLiteral("CheckBox1"));

    auto* minimum = new QHBoxLayout;
    minimum->addWidget(Caption(QStringLiteral("nur Routen mit Gewinn von mindestens"), this));
    minimum->addWidget(FMinimum);
    minimum->addWidget(Caption(QStringLiteral("Silber anzeigen"), this));
    minimum->addStretch(1);
    FCompute = new QPushButton(QStringLiteral("berechnen"), this);
    FCompute->setObjectName(QStringLiteral("Button1"));
    minimum->addWidget(FCompute);

    FResults = new QListWidget(this);
    FResults->setObjectName(QStringLiteral("XListBox1"));
    FResults->setUniformItemSizes(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(costs);
    layout->addLayout(talents);
    layout->addLayout(choices);
    layout->addWidget(FCastles);
    layout->addLayout(minimum);
    layout->addWidget(FResults, 1);
    resize(1100, 620);

    connect(up, &QPushButton::clicked, this, [this] { MoveCriterion(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveCriterion(1); });
    connect(FCompute, &QPushButton::clicked, this, &TTradingWindow::Compute);
    // A report replaced while the search waits for the user stops it.
    connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this, [this] {
        FStop = true;
        FResults->clear();
    });
}

QLineEdit* TTradingWindow::AddEdit(const QString& name, const QString& text)
{
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    edit->setMaximumWidth(70);
    return edit;
}

void TTradingWindow::MoveCriterion(int by)
{
    const int row = FCriteria->currentRow();
    const int target = row + by;
    if (row < 0 || target < 0 || target >= FCriteria->count())
        return;
    QListWidgetItem* item = FCriteria->takeItem(row);
    FCriteria->insertItem(target, item);
    FCriteria->setCurrentRow(target);
}

TradeInputs TTradingWindow::Inputs() const
{
    TradeInputs inputs;
    inputs.SilverPerCostUnit = ParseDouble(*FSilver);
    inputs.WeightUnitsPerCostUnit = ParseDouble(*FWeightUnits);
    inputs.FixedCostPerTurn = ParseDouble(*FFixed);
    inputs.BuyerTalent = ParseDouble(*FBuyer);
    inputs.SellerTalent = ParseDouble(*FSeller);
    inputs.ShipSpeed = ParseInt(*FShipSpeed);
    inputs.MinimumProfit = ParseInt(*FMinimum);
    for (int i = 0; i < 4; ++i) {
        if (FModes[i]->isChecked())
            inputs.Mode = static_cast<TravelMode>(i);
    }
    inputs.CastlesOnly = FCastles->isChecked();
    inputs.SortOrder.clear();
    for (int row = 0; row < FCriteria->count(); ++row) {
        const std::string text = FCriteria->item(row)->text().toStdString();
        for (TradeCriterion criterion :
            { TradeCriterion::Profit, TradeCriterion::Return, TradeCriterion::Duration }) {
            if (text == TradeCriterionName(criterion))
                inputs.SortOrder.push_back(criterion);
        }
    }
    const QString point = QLocale().decimalPoint();
    inputs.DecimalSeparator = point.size() == 1 && point[0].unicode() < 0x80
        ? static_cast<char>(point[0].unicode())
        : '.';
    return inputs;
}

void TTradingWindow::Compute()
{
    if (FComputing)
        return;
    FResults->clear();
    TReport* report = FDocument.Report();
    if (report == nullptr)
        return;
    TradeSearchResult result;
    try {
        const TradeInputs inputs = Inputs();
        QProgressDialog progress(QStringLiteral("Handelsrouten werden berechnet..."),
            QStringLiteral("Abbrechen"), 0, 1, this);
        progress.setWindowTitle(windowTitle());
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(300);
        FComputing = true;
        FStop = false;
        result = FindTradeRoutes(*report, inputs, [&](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            return !FStop && !progress.wasCanceled();
        });
        FComputing = false;
    } catch (const Error& e) {
        FComputing = false;
        FDialogs.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
        return;
    }
    // The lines are longer than the window is wide: each one shows whole
    // as its tool tip.
    for (const TradeRoute& route : result.Routes) {
        auto* item = new QListWidgetItem(QString::fromStdString(route.Line));
        item->setToolTip(item->text());
        FResults->addItem(item);
    }
}

void TTradingWindow::closeEvent(QCloseEvent* event)
{
    FStop = true;
    event->accept();
    emit closed();
}

} // namespace maprune
