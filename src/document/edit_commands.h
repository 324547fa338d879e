// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QElapsedTimer>
#include <QUndoCommand>

#include "map/alliance_list.h"
#include "model/party.h"

namespace maprune {

class TRegion;
class TReport;
class TReportDocument;
class TUnit;

// An edit of the open report. Each command changes the model in redo, gives
// back exactly the former state in undo, and announces what it touched.
class TEditCommand : public QUndoCommand {
public:
    TEditCommand(TReportDocument& document, const QString& caption);
    // Whether the command changes what the database file keeps; one that
    // does not (the alliances) leaves the report unchanged.
    virtual bool ChangesDatabase() const { return true; }

protected:
    TReportDocument& FDocument;
};

class TUnitOrdersCommand : public TEditCommand {
public:
    TUnitOrdersCommand(TReportDocument& document, TUnit& unit, std::vector<std::string> lines);
    void redo() override;
    void undo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    struct Orders {
        std::vector<std::string> Lines;
        std::string Default;
        bool operator==(const Orders&) const = default;
    };
    void Apply(const Orders& orders);

    TUnit& FUnit;
    Orders FBefore;
    Orders FAfter;
    std::vector<std::string> FLines;
    QElapsedTimer FLastEdit;
};

// The orders of several units as one step ("Alle Befehle übernehmen").
class TOrdersOfUnitsCommand : public TEditCommand {
public:
    TOrdersOfUnitsCommand(TReportDocument& document,
        const std::vector<std::pair<TUnit*, std::vector<std::string>>>& orders);
    void redo() override;
    void undo() override;

private:
    std::vector<std::unique_ptr<TUnitOrdersCommand>> FUnits;
};

class TRegionCommentCommand : public TEditCommand {
public:
    // Adds `line` at `row` (the end) or, with `deleting`, deletes row `row`.
    TRegionCommentCommand(
        TReportDocument& document, TRegion& region, int row, std::string line, bool deleting);
    void redo() override;
    void undo() override;

private:
    void Insert();
    void Remove();

    TRegion& FRegion;
    int FRow;
    std::string FLine;
    bool FDeleting;
};

class TDeletePartyCommand : public TEditCommand {
public:
    TDeletePartyCommand(TReportDocument& document, size_t index, int32_t nr);
    void redo() override;
    void undo() override;

private:
    size_t FIndex;
    int32_t FNr;
    // The party while it is deleted.
    std::unique_ptr<TParty> FParty;
};

class TSeriesCommand : public TEditCommand {
public:
    TSeriesCommand(TReportDocument& document, std::string before, std::string after);
    void redo() override;
    void undo() override;

private:
    void Apply(const std::string& series);

    std::string FBefore;
    std::string FAfter;
};

class TOriginCommand : public TEditCommand {
public:
    TOriginCommand(TReportDocument& document, int32_t layer, int32_t x, int32_t y);
    void redo() override;
    void undo() override;

private:
    void Move(int64_t dx, int64_t dy);

    int32_t FLayer;
    int32_t FX;
    int32_t FY;
};

// The selected regions before and after, sorted by address; the edit has
// been made when the command is pushed.
class TSelectionCommand : public TEditCommand {
public:
    TSelectionCommand(TReportDocument& document, const QString& caption,
        std::vector<TRegion*> before, std::vector<TRegion*> after, int gesture);
    void redo() override;
    void undo() override;
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void Apply(const std::vector<TRegion*>& from, const std::vector<TRegion*>& to);

    std::vector<TRegion*> FBefore;
    std::vector<TRegion*> FAfter;
    int FGesture;
    bool FDone = true;
};

// The edit was made by the alliance editor when the command is pushed.
class TAlliancesCommand : public TEditCommand {
public:
    TAlliancesCommand(TReportDocument& document, AllianceList& alliances, AllianceList before);
    void redo() override;
    void undo() override;
    bool ChangesDatabase() const override { return false; }

private:
    void Swap();

    AllianceList& FAlliances;
    AllianceList FOther;
    bool FDone = true;
};

// The regions of the report whose bit 0 of Tag is set, sorted by address.
std::vector<TRegion*> SelectedRegions(const TReport& report);

} // namespace maprune
