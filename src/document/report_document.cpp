// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/report_document.h"

#include <algorithm>

#include "core/file_lock.h"
#include "document/edit_commands.h"
#include "document/path_text.h"
#include "map/map_navigation.h"
#include "model/lines.h"
#include "model/report.h"
#include "model/unit.h"

namespace maprune {

TReportDocument::TReportDocument(QObject* parent)
    : QObject(parent)
{
    connect(&FUndoStack, &QUndoStack::indexChanged, this, &TReportDocument::UpdateModified);
}

TReportDocument::~TReportDocument()
{
    // Windows that outlive the document must not keep pointers into it.
    Replace(nullptr, QString());
}

void TReportDocument::SetFileName(const QString& name)
{
    if (name == FFileName)
        return;
    FFileName = name;
    emit fileNameChanged(FFileName);
}

bool TReportDocument::Modified() const
{
    if (!FReport)
        return false;
    if (FChangedBeyondHistory)
        return true;
    const int clean = FUndoStack.cleanIndex();
    if (clean < 0)
        return true;
    // Commands between the save and now that change the database file.
    const int index = FUndoStack.index();
    for (int i = std::min(clean, index); i < std::max(clean, index); ++i) {
        if (static_cast<const TEditCommand*>(FUndoStack.command(i))->ChangesDatabase())
            return true;
    }
    return false;
}

void TReportDocument::UpdateModified()
{
    const bool modified = Modified();
    if (modified == FModified)
        return;
    FModified = modified;
    emit modifiedChanged(FModified);
}

void TReportDocument::ResetHistory(bool changed)
{
    FUndoStack.clear();
    FChangedBeyondHistory = changed;
    UpdateModified();
}

void TReportDocument::Replace(std::unique_ptr<TReport> report, const QString& path)
{
    if (!FReport && !report)
        return;
    SetCurrentRegion(nullptr);
    emit modelObjectsAboutToBeFreed();
    // The old report lives until the windows have shown the new one.
    std::unique_ptr<TReport> old = std::move(FReport);
    FReport = std::move(report);
    FFileName = path;
    // Commands hold objects of the old report (a deleted party).
    ResetHistory(false);
    Announce({ DocumentChangeKind::Replaced });
    emit fileNameChanged(FFileName);
    old.reset();
}

AddReportsResult TReportDocument::Add(
    const std::vector<std::filesystem::path>& files, AddReportsContext context)
{
    if (files.empty())
        return {};
    return Adding(
        context, [&](AddReportsContext& c) { return AddReportFiles(FReport.get(), files, c); });
}

AddReportsResult TReportDocument::AddReports(
    const std::filesystem::path& file, const FileReports& reports, AddReportsContext context)
{
    return Adding(context, [&](AddReportsContext& c) {
        return AddReportsResult { AddFileReports(*FReport, file, reports, c) };
    });
}

AddReportsResult TReportDocument::Adding(
    AddReportsContext& context, const std::function<AddReportsResult(AddReportsContext&)>& add)
{
    if (!FReport)
        return {};
    context.BeforeMerge = [this] {
        SetCurrentRegion(nullptr);
        emit modelObjectsAboutToBeFreed();
        // Commands point at objects the merge may free; edits they made
        // stay unsaved changes.
        ResetHistory(Modified());
    };
    AddReportsResult result = add(context);
    // Files that were declined, refused or failed leave the report as it
    // was.
    if (result.Changed())
        ResetHistory(true);
    Announce({ DocumentChangeKind::Added });
    return result;
}

void TReportDocument::Save(const QString& path, const SaveReportOptions& options)
{
    SaveCopy(path, options);
    ResetHistory(false);
    SetFileName(path);
}

void TReportDocument::SaveCopy(const QString& path, const SaveReportOptions& options)
{
    if (!FReport)
        return;
    CheckReportSaveName(ToPath(path));
    // A merge of maprune-cli into the same database must not be overwritten
    // halfway, nor overwrite this save.
    const FileLock lock(ToPath(path));
    emit aboutToSave(*FReport);
    SaveReportFile(*FReport, ToPath(path), options);
}

void TReportDocument::SetUnitOrders(TUnit& unit, const std::vector<std::string>& lines)
{
    if (FReport && lines != unit.Commands->Lines())
        FUndoStack.push(new TUnitOrdersCommand(*this, unit, lines));
}

void TReportDocument::SetOrdersOfUnits(
    const std::vector<std::pair<TUnit*, std::vector<std::string>>>& orders)
{
    std::vector<std::pair<TUnit*, std::vector<std::string>>> changed;
    for (const auto& [unit, lines] : orders) {
        if (lines != unit->Commands->Lines())
            changed.emplace_back(unit, lines);
    }
    if (FReport && !changed.empty())
        FUndoStack.push(new TOrdersOfUnitsCommand(*this, changed));
}

void TReportDocument::AddRegionComment(TRegion& region, const std::string& line)
{
    if (FReport)
        FUndoStack.push(
            new TRegionCommentCommand(*this, region, region.Comment->Count(), line, false));
}

void TReportDocument::DeleteRegionComment(TRegion& region, int row)
{
    if (FReport && row >= 0 && row < region.Comment->Count())
        FUndoStack.push(
            new TRegionCommentCommand(*this, region, row, region.Comment->Line(row), true));
}

bool TReportDocument::DeleteParty(int32_t nr)
{
    if (!FReport)
        return false;
    const TPartyList& parties = *FReport->Parties;
    for (size_t i = 0; i < parties.Count(); ++i) {
        if (parties[i] != nullptr && parties[i]->Nr == nr) {
            FUndoStack.push(new TDeletePartyCommand(*this, i, nr));
            return true;
        }
    }
    return false;
}

void TReportDocument::SetSeries(const std::string& series)
{
    if (FReport && series != FReport->Series)
        FUndoStack.push(new TSeriesCommand(*this, FReport->Series, series));
}

void TReportDocument::SetOrigin(int32_t x, int32_t y)
{
    if (FReport && (x != 0 || y != 0))
        FUndoStack.push(new TOriginCommand(*this, FReport->ActiveLayer, x, y));
}

void TReportDocument::EditSelection(
    const QString& caption, const std::function<void(TReport&)>& edit)
{
    if (!FReport)
        return;
    std::vector<TRegion*> before = SelectedRegions(*FReport);
    edit(*FReport);
    std::vector<TRegion*> after = SelectedRegions(*FReport);
    if (after == before)
        return;
    FUndoStack.push(new TSelectionCommand(*this, caption, std::move(before), std::move(after), -1));
    Announce({ DocumentChangeKind::Selection });
}

void TReportDocument::SetRegionSelected(TRegion& region, bool selected, int gesture)
{
    if (!FReport || ((region.Tag() & TagSelected) != 0) == selected)
        return;
    std::vector<TRegion*> before = SelectedRegions(*FReport);
    // The selection after differs by this one region; no second pass over
    // the regions while the mouse drags.
    std::vector<TRegion*> after = before;
    const auto place = std::lower_bound(after.begin(), after.end(), &region);
    if (selected)
        after.insert(place, &region);
    else
        after.erase(place);
    region.SetTag(region.Tag() ^ TagSelected);
    FUndoStack.push(new TSelectionCommand(
        *this, QStringLiteral("Auswahl ändern"), std::move(before), std::move(after), gesture));
    Announce({ DocumentChangeKind::Selection, &region });
}

void TReportDocument::AlliancesEdited(AllianceList& alliances, AllianceList before)
{
    if (alliances == before)
        return;
    FUndoStack.push(new TAlliancesCommand(*this, alliances, std::move(before)));
    Announce({ DocumentChangeKind::Alliances });
}

bool TReportDocument::SwitchLayer(int32_t z)
{
    if (!FReport || z == FReport->ActiveLayer)
        return false;
    SetCurrentRegion(nullptr);
    if (!maprune::SwitchLayer(*FReport, z))
        return false;
    emit layerSwitched(z);
    return true;
}

void TReportDocument::SetCurrentRegion(TRegion* region)
{
    if (region == FCurrentRegion)
        return;
    FCurrentRegion = region;
    emit currentRegionChanged(FCurrentRegion);
}

void TReportDocument::RequestCentre(TRegion& region)
{
    SetCurrentRegion(&region);
    emit centreRequested(&region);
}

void TReportDocument::Announce(const DocumentChange& change)
{
    emit changed(change);
}

} // namespace maprune
