// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "files/report_inputs.h"
#include "report/merge_report.h"
#include "report/order_reader.h"

namespace maprune {

class Dialogs;
class Progress;
class ProgressPanel;
class ShiftChooser;
class TReport;

// What becomes of a report (CR or database) whose game is not the database's
// (game names compared ignoring case): the player is asked ("Der Report
// gehört zu einem anderen Spiel (%s). Trotzdem hinzufügen?"), it is refused
// as a failure, or it is added all the same.
enum class OtherGameReaction { Ask, Refuse, Add };

// Everything "Report(e) hinzufügen" needs besides the database and the files.
struct AddReportsContext {
    Dialogs& Messages;     // questions and warnings while reading and adapting
    ShiftChooser& Chooser; // the choice among several shifts
    ProgressPanel& Panel;  // adaptation, regions and files
    Progress& Reading;     // progress of reading one file
    AdaptationOptions Adaptation;
    // Called before a read report is merged, which may free regions, units,
    // ships and buildings of the database: the GUI drops its references to
    // them (current region and unit). May be empty.
    std::function<void()> BeforeMerge;
    OtherGameReaction OtherGame = OtherGameReaction::Ask;
    // The turns whose earlier states the merges keep (TrimPastStates).
    int32_t PastTurns = kPastTurnsKept;
};

// What became of one file.
struct AddedFile {
    enum class Outcome {
        Merged,     // a report (CR or KDF) was merged
        OrdersRead, // an order file was read into the database
        Refused,    // the origin adaptation refused the report; nothing changed
        Failed,     // the file could not be added; nothing changed
        Declined,   // the player chose not to add a report of another game
    };
    std::filesystem::path File;
    std::string Member; // the report's name in an archive; empty for a plain file
    Outcome Result = Outcome::Failed;
    std::string Reason;                        // Failed, Declined: why, for the user
    MergeResult Merge;                         // Merged, Refused
    OrderFileResult Orders = OrderFileResult::Complete; // OrdersRead
    size_t Warnings = 0;                       // reader warnings of a CR
    bool CutOff = false;                       // the CR ends inside a line
    std::vector<std::string> Ignored;          // other members of the archive, not read

    // How messages name it: the path, "a.zip: b.cr" for a member.
    std::string Name() const;
};

struct AddReportsResult {
    std::vector<AddedFile> Files;

    // Whether any file changed the database.
    bool Changed() const;
    bool AnyFailed() const;
    // One message listing every failed file with its reason, for the GUI to
    // show once at the end ("Folgende Dateien konnten nicht hinzugefügt
    // werden: ..."); empty when none failed.
    std::string FailureMessage() const;
};

// Reads the report file `file` through OpenReportFile, the reader that
// opening a file uses, so that both apply the same checks and messages:
// ".cr" a computer report, ".kdf" a database, by the extension compared
// ignoring case. Throws Error
// ("unbekanntes Dateiformat" for any other extension, the readers' errors;
// Abort after the CR reader showed its messages through `messages`). Counts
// the CR reader's warnings into `warningCount` and whether the CR ends inside
// a line (kCutOffWarning) into `cutOff` when given.
std::unique_ptr<TReport> ReadReportFile(const std::filesystem::path& file, Dialogs& messages,
                                        Progress& progress, size_t* warningCount = nullptr,
                                        bool* cutOff = nullptr);

// Adds one file to the database by its extension, compared ignoring case:
// ".cr" (read as a computer report, then merged), ".kdf" (read as a
// database, then merged), ".txt" (read as an order file into the database).
// Any other extension fails with "unbekanntes Dateiformat". A failure to
// read leaves the database unchanged and is returned with its reason; error
// messages of the readers become that reason instead of being shown. A report
// of another game is handled as the context's OtherGame says, before anything
// of the database changes.
AddedFile AddReportFile(TReport& report, const std::filesystem::path& file,
                        AddReportsContext& context);

// Adds the reports of one file (ReportsOf: a plain file itself, the CRs of
// an archive in its order) one after the other. All of them are read before
// the first is merged, so that a damaged member or one beyond the memory
// budget leaves the database unchanged: the file then fails as a whole,
// named with the member.
std::vector<AddedFile> AddFileReports(TReport& report, const std::filesystem::path& file,
    const FileReports& reports, AddReportsContext& context);

// Adds the files one after the other in the given order, a packed file
// (IsPackedReportFile) by AddFileReports; a file that fails
// does not stop the others. The Files bar counts the files, and events are
// processed between files. With no database (`report` null) nothing is added
// and the warning "no report loaded" is shown.
AddReportsResult AddReportFiles(TReport* report, const std::vector<std::filesystem::path>& files,
                                AddReportsContext& context);

// One line for a file's outcome, e.g. "a.cr: zusammengeführt (Runde 12,
// Ebene 0 verschoben um (3, -2))".
std::string DescribeOutcome(const AddedFile& file);

} // namespace maprune
