// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/report_document.h"

#include "app/path_text.h"
#include "core/file_lock.h"
#include "map/map_navigation.h"
#include "model/report.h"
#include "tools/parties/party_lines.h"

namespace maprune {

TReportDocument::TReportDocument(QObject* parent)
    : QObject(parent)
{
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

void TReportDocument::SetModified()
{
    if (FReport)
        FModified = true;
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
    if (FReport)
        FReport->SelectionChanged = [this](TRegion&) { FModified = true; };
    FModified = false;
    FFileName = path;
    emit reportReplaced(FReport.get());
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
    };
    AddReportsResult result = add(context);
    // Files that were declined, refused or failed leave the report as it was.
    if (result.Changed())
        FModified = true;
    emit reportChanged(FReport.get());
    return result;
}

void TReportDocument::Save(const QString& path, const SaveReportOptions& options)
{
    SaveCopy(path, options);
    FModified = false;
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

void TReportDocument::ReportEdited()
{
    if (!FReport)
        return;
    FModified = true;
    emit reportChanged(FReport.get());
}

bool TReportDocument::DeleteParty(int32_t nr)
{
    if (!FReport || !maprune::DeleteParty(*FReport, nr))
        return false;
    ReportEdited();
    return true;
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

void TReportDocument::SelectionEdited()
{
    if (FReport)
        emit selectionChanged();
}

void TReportDocument::RegionEdited(TRegion& region)
{
    if (!FReport)
        return;
    FModified = true;
    emit regionEdited(&region);
}

void TReportDocument::UnitOrdersEdited(TUnit& unit)
{
    if (!FReport)
        return;
    FModified = true;
    emit unitOrdersEdited(&unit);
}

void TReportDocument::SetCurrentRegion(TRegion* region)
{
    if (region == FCurrentRegion)
        return;
    FCurrentRegion = region;
    emit currentRegionChanged(FCurrentRegion);
}

} // namespace maprune
