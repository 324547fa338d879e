// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/edit_commands.h"

#include <algorithm>

#include "document/report_document.h"
#include "model/lines.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/unit_orders.h"
#include "report/shift.h"

namespace maprune {

namespace {

// Keystrokes in the orders editor closer than this are one edit.
constexpr qint64 kTypingPauseMs = 2000;

} // namespace

TEditCommand::TEditCommand(TReportDocument& document, const QString& caption)
    : QUndoCommand(caption)
    , FDocument(document)
{
}

TUnitOrdersCommand::TUnitOrdersCommand(
    TReportDocument& document, TUnit& unit, std::vector<std::string> lines)
    : TEditCommand(document,
        QStringLiteral("Befehle von Einheit %1")
            .arg(QString::fromStdString(document.Report()->FormatNr(unit.Nr))))
    , FUnit(unit)
    , FBefore { unit.Commands->Lines(), unit.Default_ }
    , FLines(std::move(lines))
{
}

void TUnitOrdersCommand::redo()
{
    // The first run computes the default order that follows the new lines;
    // later runs give back exactly what it gave.
    if (!FLastEdit.isValid()) {
        ReplaceUnitOrders(FUnit, FLines);
        FAfter = { FUnit.Commands->Lines(), FUnit.Default_ };
        FLastEdit.start();
        FDocument.Announce({ DocumentChangeKind::UnitOrders, nullptr, &FUnit });
        return;
    }
    Apply(FAfter);
}

void TUnitOrdersCommand::undo()
{
    Apply(FBefore);
}

bool TUnitOrdersCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const TUnitOrdersCommand*>(other);
    if (&next->FUnit != &FUnit || FLastEdit.elapsed() > kTypingPauseMs)
        return false;
    FAfter = next->FAfter;
    FLastEdit.start();
    setObsolete(FAfter == FBefore);
    return true;
}

void TUnitOrdersCommand::Apply(const Orders& orders)
{
    FUnit.Commands->Clear();
    for (const std::string& line : orders.Lines)
        FUnit.Commands->Add(line);
    FUnit.Default_ = orders.Default;
    FDocument.Announce({ DocumentChangeKind::UnitOrders, nullptr, &FUnit });
}

TOrdersOfUnitsCommand::TOrdersOfUnitsCommand(TReportDocument& document,
    const std::vector<std::pair<TUnit*, std::vector<std::string>>>& orders)
    : TEditCommand(document, QStringLiteral("Alle Befehle übernehmen"))
{
    for (const auto& [unit, lines] : orders)
        FUnits.push_back(std::make_unique<TUnitOrdersCommand>(document, *unit, lines));
}

void TOrdersOfUnitsCommand::redo()
{
    for (const auto& unit : FUnits)
        unit->redo();
}

void TOrdersOfUnitsCommand::undo()
{
    for (auto unit = FUnits.rbegin(); unit != FUnits.rend(); ++unit)
        (*unit)->undo();
}

TRegionCommentCommand::TRegionCommentCommand(
    TReportDocument& document, TRegion& region, int row, std::string line, bool deleting)
    : TEditCommand(document,
        deleting ? QStringLiteral("Kommentar löschen") : QStringLiteral("Kommentar hinzufügen"))
    , FRegion(region)
    , FRow(row)
    , FLine(std::move(line))
    , FDeleting(deleting)
{
}

void TRegionCommentCommand::redo()
{
    FDeleting ? Remove() : Insert();
}

void TRegionCommentCommand::undo()
{
    FDeleting ? Insert() : Remove();
}

void TRegionCommentCommand::Insert()
{
    std::vector<std::string> lines = FRegion.Comment->Lines();
    lines.insert(lines.begin() + FRow, FLine);
    FRegion.Comment->Clear();
    for (std::string& line : lines)
        FRegion.Comment->Add(std::move(line));
    FDocument.Announce({ DocumentChangeKind::RegionComments, &FRegion });
}

void TRegionCommentCommand::Remove()
{
    FRegion.Comment->Delete(FRow);
    FDocument.Announce({ DocumentChangeKind::RegionComments, &FRegion });
}

TDeletePartyCommand::TDeletePartyCommand(TReportDocument& document, size_t index, int32_t nr)
    : TEditCommand(document,
        QStringLiteral("Partei %1 löschen")
            .arg(QString::fromStdString(document.Report()->FormatNr(nr))))
    , FIndex(index)
    , FNr(nr)
{
}

void TDeletePartyCommand::redo()
{
    std::unique_ptr<TReportItem> party = FDocument.Report()->Parties->Extract(FIndex);
    FParty.reset(static_cast<TParty*>(party.release()));
    FDocument.Announce({ DocumentChangeKind::Parties, nullptr, nullptr, FNr });
}

void TDeletePartyCommand::undo()
{
    FDocument.Report()->Parties->Insert(FIndex, std::move(FParty));
    FDocument.Announce({ DocumentChangeKind::Parties, nullptr, nullptr, FNr });
}

TSeriesCommand::TSeriesCommand(TReportDocument& document, std::string before, std::string after)
    : TEditCommand(document, QStringLiteral("Zeitverlauf ändern"))
    , FBefore(std::move(before))
    , FAfter(std::move(after))
{
}

void TSeriesCommand::redo()
{
    Apply(FAfter);
}

void TSeriesCommand::undo()
{
    Apply(FBefore);
}

void TSeriesCommand::Apply(const std::string& series)
{
    FDocument.Report()->Series = series;
    FDocument.Announce({ DocumentChangeKind::Series });
}

TOriginCommand::TOriginCommand(TReportDocument& document, int32_t layer, int32_t x, int32_t y)
    : TEditCommand(document, QStringLiteral("Ursprung setzen"))
    , FLayer(layer)
    , FX(x)
    , FY(y)
{
}

void TOriginCommand::redo()
{
    Move(-static_cast<int64_t>(FX), -static_cast<int64_t>(FY));
}

void TOriginCommand::undo()
{
    Move(FX, FY);
}

void TOriginCommand::Move(int64_t dx, int64_t dy)
{
    MoveLayer(*FDocument.Report(), FLayer, dx, dy);
    FDocument.Announce({ DocumentChangeKind::Origin });
}

TSelectionCommand::TSelectionCommand(TReportDocument& document, const QString& caption,
    std::vector<TRegion*> before, std::vector<TRegion*> after, int gesture)
    : TEditCommand(document, caption)
    , FBefore(std::move(before))
    , FAfter(std::move(after))
    , FGesture(gesture)
{
}

void TSelectionCommand::redo()
{
    // Pushing the command runs redo; the edit was made before.
    if (FDone) {
        FDone = false;
        return;
    }
    Apply(FBefore, FAfter);
}

void TSelectionCommand::undo()
{
    Apply(FAfter, FBefore);
}

bool TSelectionCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const TSelectionCommand*>(other);
    if (FGesture < 0 || next->FGesture != FGesture)
        return false;
    FAfter = next->FAfter;
    setObsolete(FAfter == FBefore);
    return true;
}

void TSelectionCommand::Apply(const std::vector<TRegion*>& from, const std::vector<TRegion*>& to)
{
    std::vector<TRegion*> toggled;
    std::set_symmetric_difference(
        from.begin(), from.end(), to.begin(), to.end(), std::back_inserter(toggled));
    for (TRegion* region : toggled)
        region->SetTag(region->Tag() ^ TagSelected);
    FDocument.Announce(
        { DocumentChangeKind::Selection, toggled.size() == 1 ? toggled.front() : nullptr });
}

TAlliancesCommand::TAlliancesCommand(
    TReportDocument& document, AllianceList& alliances, AllianceList before)
    : TEditCommand(document, QStringLiteral("Allianzen bearbeiten"))
    , FAlliances(alliances)
    , FOther(std::move(before))
{
}

void TAlliancesCommand::redo()
{
    if (FDone) {
        FDone = false;
        return;
    }
    Swap();
}

void TAlliancesCommand::undo()
{
    Swap();
}

void TAlliancesCommand::Swap()
{
    std::swap(FAlliances, FOther);
    FDocument.Announce({ DocumentChangeKind::Alliances });
}

std::vector<TRegion*> SelectedRegions(const TReport& report)
{
    std::vector<TRegion*> selected;
    for (TRegion* region : *report.Regions) {
        if (region != nullptr && (region->Tag() & TagSelected) != 0)
            selected.push_back(region);
    }
    std::sort(selected.begin(), selected.end());
    return selected;
}

} // namespace maprune
