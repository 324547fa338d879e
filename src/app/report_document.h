// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QString>

#include "files/add_reports.h"
#include "files/report_file.h"
#include "model/report.h"

namespace maprune {

class TRegion;
class TUnit;

// The open report of the program and everything that goes with it: the
// name of its file, whether it was changed since it was read or saved, and
// the current region. Windows take the document and follow its signals;
// none of them owns or replaces the report.
//
// Model objects are freed only after modelObjectsAboutToBeFreed, so that a
// window holding a region, unit, ship or building lets go first.
class TReportDocument : public QObject {
    Q_OBJECT
public:
    explicit TReportDocument(QObject* parent = nullptr);
    ~TReportDocument() override;

    TReport* Report() const { return FReport.get(); }
    // Empty for a report that is no file of the user's (the automatic save).
    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& name);
    bool Modified() const { return FModified; }
    // Marks the report as changed (editing windows call it); without a
    // report it does nothing.
    void SetModified();

    // --- Opening, adding and saving. Failures of adding and saving come as
    // exceptions (maprune::Error) and leave the open report as it was.

    // Makes `report` (null: none) the open report under the file name `path`,
    // unchanged (it was read by OpenReportFile); the former report is freed
    // after the windows let go of it.
    void Replace(std::unique_ptr<TReport> report, const QString& path);
    // Adds files to the open report (see AddReportFiles); the report counts
    // as changed when a file changed it. The context's BeforeMerge is the
    // document's own.
    AddReportsResult Add(
        const std::vector<std::filesystem::path>& files, AddReportsContext context);
    // Adds reports of one file (AddFileReports), as Add does.
    AddReportsResult AddReports(
        const std::filesystem::path& file, const FileReports& reports, AddReportsContext context);
    // Writes the report to `path`, which becomes its file name; the report
    // counts as saved.
    void Save(const QString& path, const SaveReportOptions& options);
    // Writes the report to `path` and leaves name and change flag as they
    // are (the automatic save).
    void SaveCopy(const QString& path, const SaveReportOptions& options);

    // --- Changes in place

    // The report was changed in place by a command (the origin was set):
    // it counts as changed and the windows refresh.
    void ReportEdited();
    // Removes party `nr` from the report and frees it (DeleteParty); the
    // report counts as changed and every window refreshes, so that none
    // goes on showing the party (addresses, allies, the political map).
    // Returns whether there was such a party.
    bool DeleteParty(int32_t nr);
    // Makes layer `z` active when it exists and differs; the current region
    // goes. Returns whether it switched.
    bool SwitchLayer(int32_t z);
    // The selection of regions changed (by the mouse or a command).
    void SelectionEdited();
    // What the map draws of `region` changed (a comment); the report counts
    // as changed.
    void RegionEdited(TRegion& region);
    // The orders of `unit` were edited; the report counts as changed and
    // the unit lists show its new first order.
    void UnitOrdersEdited(TUnit& unit);

    // The current region (null: none), a region of the active layer.
    TRegion* CurrentRegion() const { return FCurrentRegion; }
    void SetCurrentRegion(TRegion* region);

signals:
    // Regions, units, ships or buildings are about to be freed (a report is
    // replaced or files are added): drop every reference to them.
    void modelObjectsAboutToBeFreed();
    // Another report (null: none) is open now.
    void reportReplaced(maprune::TReport* report);
    // The open report changed in place (files added, the origin set).
    void reportChanged(maprune::TReport* report);
    void layerSwitched(int32_t z);
    void currentRegionChanged(maprune::TRegion* region);
    void selectionChanged();
    void regionEdited(maprune::TRegion* region);
    void unitOrdersEdited(maprune::TUnit* unit);
    void fileNameChanged(const QString& name);
    // The report is about to be written: views store what the file keeps of
    // them (the scroll positions).
    void aboutToSave(maprune::TReport& report);

private:
    AddReportsResult Adding(
        AddReportsContext& context, const std::function<AddReportsResult(AddReportsContext&)>& add);

    std::unique_ptr<TReport> FReport;
    QString FFileName;
    bool FModified = false;
    TRegion* FCurrentRegion = nullptr;
};

} // namespace maprune
