// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/changes_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "config/settings.h"
#include "document/report_document.h"
#include "model/report.h"
#include "tools/changes/change_settings.h"
#include "tools/lines/line_filter.h"
#include "tools/lines/line_number.h"
#include "tools/lines/list_scheme.h"
#include "tools/regions/place_view.h"
#include "tools/ui/colour_list.h"
#include "tools/ui/place_window.h"
#include "tools/units/unit_view.h"

namespace maprune {

namespace {

// The changes stand indented under their headings.
constexpr int kChangeIndent = 12;

QSpinBox* TurnBox(const QString& name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, 1'000'000);
    return box;
}

} // namespace

TChangesWindow::TChangesWindow(TSettings& settings, TReportDocument& document, QWidget* parent)
    : QWidget(parent)
    , FSettings(settings)
    , FDocument(document)
{
    setObjectName(QStringLiteral("ChangesWindow"));
    setWindowTitle(QStringLiteral("Veränderungen"));
    FFrom = TurnBox(QStringLiteral("FromTurn"), this);
    FTo = TurnBox(QStringLiteral("ToTurn"), this);
    FSummary = new QLabel(this);
    FSummary->setObjectName(QStringLiteral("Summary"));
    FFilter = new QLineEdit(this);
    FFilter->setObjectName(QStringLiteral("Filter"));
    FFilter->setPlaceholderText(QStringLiteral("Filter"));
    FFilter->setClearButtonEnabled(true);
    FList = new TColourList(this);
    FList->setObjectName(QStringLiteral("ChangesList"));
    // A dock at the bottom would otherwise leave room for a handful of lines.
    FList->setMinimumHeight(160);

    auto* turns = new QHBoxLayout;
    turns->addWidget(new QLabel(QStringLiteral("von Runde"), this));
    turns->addWidget(FFrom);
    turns->addWidget(new QLabel(QStringLiteral("bis"), this));
    turns->addWidget(FTo);
    turns->addWidget(FSummary, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(turns);
    layout->addWidget(FFilter);
    layout->addWidget(FList, 1);

    for (QSpinBox* box : { FFrom, FTo })
        connect(
            box, &QSpinBox::valueChanged, this, [this] { Compare(FFrom->value(), FTo->value()); });
    connect(FFilter, &QLineEdit::textChanged, this, &TChangesWindow::ShowLines);
    connect(FList, &QListWidget::itemClicked, this, &TChangesWindow::Clicked);
    connect(FList, &QListWidget::itemDoubleClicked, this, &TChangesWindow::DoubleClicked);
    connect(&document, &TReportDocument::changed, this,
        [this, &document](const DocumentChange& change) {
            if (change.Structure())
                Fill(document.Report());
        });
    Fill(document.Report());
}

void TChangesWindow::Fill(const TReport* report)
{
    const ChangeTurns turns = report != nullptr ? DefaultChangeTurns(*report) : ChangeTurns {};
    {
        const QSignalBlocker blockFrom(FFrom);
        const QSignalBlocker blockTo(FTo);
        FFrom->setValue(std::max(1, turns.From));
        FTo->setValue(std::max(1, turns.To));
    }
    FFrom->setEnabled(turns.From >= 1);
    FTo->setEnabled(turns.From >= 1);
    Compare(turns.From, turns.To);
}

void TChangesWindow::Compare(int32_t from, int32_t to)
{
    const TReport* report = FDocument.Report();
    FTurns = { report != nullptr ? from : -1, to };
    FChanges.clear();
    FComparePending = !isVisible();
    if (report == nullptr || FComparePending) {
        FSummary->clear();
    } else if (from < 1) {
        FSummary->setText(QStringLiteral("keine ältere Runde"));
    } else {
        FChanges = TurnChanges(*report, from, to, ThresholdsOf(FSettings));
        FSummary->setText(QStringLiteral("%1 Veränderungen").arg(FChanges.size()));
    }
    FLines = ChangeListLines(FChanges);
    ShowLines();
    emit compared();
}

void TChangesWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (FComparePending)
        Compare(FTurns.From, FTurns.To);
}

void TChangesWindow::ShowLines()
{
    const std::string filter = FFilter->text().toStdString();
    FList->setUpdatesEnabled(false);
    FList->clear();
    // A group whose heading matches shows all its changes; otherwise the
    // heading stays for the changes that match.
    for (size_t first = 0; first < FLines.size();) {
        size_t end = first + 1;
        while (end < FLines.size() && FLines[end].Change >= 0)
            ++end;
        const bool whole = LineMatchesFilter(FLines[first].Heading, filter);
        bool headed = false;
        for (size_t i = first + 1; i < end; ++i) {
            const ChangeLine& line = FLines[i];
            const std::string& text = LineText(line, FChanges);
            if (!whole && !LineMatchesFilter(text, filter))
                continue;
            if (!headed)
                FList->AddLine(FLines[first].Heading, kPlainScheme);
            headed = true;
            ListScheme scheme = line.Category ? SchemeOf(*line.Category) : kPlainScheme;
            scheme.Indent = kChangeIndent;
            FList->AddLine(text, scheme, line.Change);
        }
        first = end;
    }
    FList->setUpdatesEnabled(true);
}

const TurnChange* TChangesWindow::ChangeOf(const QListWidgetItem* item) const
{
    if (item == nullptr)
        return nullptr;
    const int32_t index = TColourList::NumberOf(*item);
    if (index < 0 || static_cast<size_t>(index) >= FChanges.size())
        return nullptr;
    return &FChanges[static_cast<size_t>(index)];
}

void TChangesWindow::Clicked(const QListWidgetItem* item)
{
    const TurnChange* change = ChangeOf(item);
    TReport* report = FDocument.Report();
    if (change == nullptr || report == nullptr || !change->Placed)
        return;
    FDocument.SwitchLayer(change->Z);
    TRegion* region = report->FindRegion(change->X, change->Y, change->Z);
    if (region == nullptr)
        return;
    FDocument.RequestCentre(*region);
}

void TChangesWindow::DoubleClicked(const QListWidgetItem* item)
{
    const TurnChange* change = ChangeOf(item);
    TReport* report = FDocument.Report();
    if (change == nullptr || report == nullptr || change->Nr == -1)
        return;
    switch (change->Kind) {
    case ChangeKind::UnitNew:
    case ChangeKind::UnitGone:
    case ChangeKind::UnitMoved:
    case ChangeKind::UnitParty:
    case ChangeKind::UnitShrunk:
    case ChangeKind::UnitGrown:
    case ChangeKind::SilverLost:
    case ChangeKind::ItemsLost:
        if (TUnit* unit = FindUnitByNumber(*report, change->Nr))
            emit unitOpened(unit);
        return;
    default:
        OpenPlace(*change);
        return;
    }
}

void TChangesWindow::OpenPlace(const TurnChange& change)
{
    TReport* report = FDocument.Report();
    const bool ship = change.Kind >= ChangeKind::ShipNew && change.Kind <= ChangeKind::ShipDamaged;
    // The place views find the building or ship by the number in a line's
    // first parentheses.
    const std::string line = "(" + report->FormatNr(change.Nr) + ")";
    const unsigned options = static_cast<unsigned>(FSettings.UnitListDetails.Get());
    const PlaceView view = ship ? ViewOfShipLine(*report, line, options)
                                : ViewOfBuildingLine(*report, line, options);
    if (view.Caption.empty())
        return;
    ExecPlaceWindow(view, ship, *report, this, [this](TUnit* unit) { emit unitOpened(unit); });
}

} // namespace maprune
