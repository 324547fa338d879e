// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "document/document_change.h"
#include "files/add_reports.h"
#include "files/report_file.h"
#include "map/alliance_list.h"
#include "model/report.h"

namespace maprune {

class TRegion;
class TUnit;

// The open report of the program and everything that goes with it: the
// name of its file, whether it was changed since it was read or saved, the
// current region and the history of edits. Windows take the document, edit
// the report only through its operations and follow its `changed` signal;
// none of them owns or replaces the report.
//
// Every edit is a command on the undo stack. Opening, adding and saving
// start the history anew: adding files cannot be taken back. The report
// counts as changed while the stack stands elsewhere than at the save, or
// files were added since.
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
    bool Modified() const;
    QUndoStack& UndoStack() { return FUndoStack; }

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

    // --- Edits, each one command that can be undone. Without a report, or
    // when nothing would change, they do nothing.

    // Gives `unit` the order lines `lines` (in the report's encoding). Edits
    // of one unit's orders in quick succession are one command.
    void SetUnitOrders(TUnit& unit, const std::vector<std::string>& lines);
    // The orders of several units as one step of the history; units whose
    // lines equal their orders are left out, nothing at all is no step.
    void SetOrdersOfUnits(const std::vector<std::pair<TUnit*, std::vector<std::string>>>& orders);
    // Adds the comment line `line` (in the report's encoding) to `region`.
    void AddRegionComment(TRegion& region, const std::string& line);
    // Deletes comment `row` of `region`.
    void DeleteRegionComment(TRegion& region, int row);
    // Removes party `nr` from the report; every window stops showing it.
    // Returns whether there was such a party.
    bool DeleteParty(int32_t nr);
    // The series of the time-course chart, in the report's stored form.
    void SetSeries(const std::string& series);
    // "Ursprung setzen": (x, y) of the active layer becomes (0, 0).
    void SetOrigin(int32_t x, int32_t y);
    // Runs `edit`, which changes the selection of regions (bit 0 of their
    // Tag) and nothing else, as the command `caption`.
    void EditSelection(const QString& caption, const std::function<void(TReport&)>& edit);
    // Selects or deselects one region. Calls with the same `gesture` number
    // (one drag of the mouse) are one command; -1 stands alone.
    void SetRegionSelected(TRegion& region, bool selected, int gesture = -1);
    // Records an edit of the alliances that the alliance editor has made to
    // `alliances` (which were `before`), so that it can be undone. The
    // alliances are kept beside the report, so the report stays unchanged.
    void AlliancesEdited(AllianceList& alliances, AllianceList before);

    // --- The view of the report

    // Makes layer `z` active when it exists and differs; the current region
    // goes. Returns whether it switched.
    bool SwitchLayer(int32_t z);
    // The current region (null: none), a region of the active layer.
    TRegion* CurrentRegion() const { return FCurrentRegion; }
    void SetCurrentRegion(TRegion* region);
    // Makes `region` current and asks the map to show it in the middle.
    void RequestCentre(TRegion& region);

    // Announces a change the model has undergone; for the edit commands.
    void Announce(const DocumentChange& change);

signals:
    // Regions, units, ships or buildings are about to be freed (a report is
    // replaced or files are added): drop every reference to them.
    void modelObjectsAboutToBeFreed();
    // The report changed (or another one is open): see DocumentChange.
    void changed(const maprune::DocumentChange& change);
    void modifiedChanged(bool modified);
    void layerSwitched(int32_t z);
    void currentRegionChanged(maprune::TRegion* region);
    // The map shows `region` in its middle.
    void centreRequested(maprune::TRegion* region);
    void fileNameChanged(const QString& name);
    // The report is about to be written: views store what the file keeps of
    // them (the scroll positions).
    void aboutToSave(maprune::TReport& report);

private:
    AddReportsResult Adding(
        AddReportsContext& context, const std::function<AddReportsResult(AddReportsContext&)>& add);
    // Starts the history anew; `changed` says whether the report now differs
    // from its file.
    void ResetHistory(bool changed);
    void UpdateModified();

    std::unique_ptr<TReport> FReport;
    QString FFileName;
    QUndoStack FUndoStack;
    // The report differs from its file by changes the history no longer
    // holds (files added, edits before an add).
    bool FChangedBeyondHistory = false;
    bool FModified = false;
    TRegion* FCurrentRegion = nullptr;
};

} // namespace maprune
