// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QStringList>

#include "files/add_reports.h"

class QMainWindow;

namespace maprune {

class Dialogs;
class FileChooser;
class ShiftChooser;
class TAddProgressPanel;
class TBusyState;
class TLogWindow;
class TRecentFilesMenu;
class TReportDocument;
class TSettings;
class TStatusProgress;

// What the file commands work with; everything must outlive them.
struct FileCommandsParts {
    TReportDocument& Document;
    TBusyState& Busy;
    QMainWindow& Window; // kept out of use while reading or writing
    TSettings& Settings;
    Dialogs& Messages;
    FileChooser& Files;
    ShiftChooser& Shifts;
    TStatusProgress& Progress;
    TAddProgressPanel& AddProgress;
    TLogWindow& Log; // the reader's warnings and what became of added files
    TRecentFilesMenu& Recent;
};

// "Report ö&ffnen...", "Report(e) &hinzufügen...", "Report &speichern",
// "speichern &unter..." and the recently used entries, over the report
// document: the file dialogs, the question whether to save a changed report,
// the progress and the messages of failures.
class TFileCommands : public QObject {
    Q_OBJECT
public:
    explicit TFileCommands(FileCommandsParts parts, QObject* parent = nullptr);

    // Opens a CR (".cr") or database (".kdf") as the new report, first
    // asking whether to save a changed report. Returns false when the user
    // cancelled at that question or in the save it led to. Failures come as
    // exceptions (maprune::Error; Abort when the messages were shown) and
    // leave the open report as it was.
    // A packed file opens as its first report, and its others are added.
    bool OpenFile(const QString& path);
    // Opens the first file and adds the others in the order of their turns
    // (the command line); shows failures itself.
    void OpenFiles(const QStringList& paths);
    // Files and folders dropped on the window: added to the open report, or
    // opened as OpenFiles does when none is open. A folder gives its reports
    // (FolderReports) after one question that lists them; all of them are
    // added in the order of their turns.
    void DropFiles(const QStringList& paths);
    // Saves the report under its file name (asking for a name when there is
    // none). Shows failures itself; returns whether the report was saved.
    bool SaveFile();
    // Asks for a name and saves under it; the file name changes only when
    // the save succeeded. Returns whether the report was saved.
    bool SaveFileAs();
    // Adds CRs, databases and order files to the open report, showing the
    // files that failed in one message at the end.
    void AddFiles(const QStringList& paths);
    // AddFiles in the order of the files' turns (ByTurn).
    void AddFilesInTurnOrder(const QStringList& paths);
    // Writes the report to `path` without making it the report's file (the
    // automatic save); throws on failure.
    void SaveCopy(const QString& path);
    // Asks whether to save a changed report; false when the user cancelled
    // or the save failed.
    bool AskToSaveChanges();

    // The folders the open and add dialogs and the save dialog were last in;
    // they start there when OpenDir and SaveDir are not set.
    const QString& LastOpenFolder() const { return FOpenFolder; }
    const QString& LastSaveFolder() const { return FSaveFolder; }
    void SetLastFolders(const QString& open, const QString& save);

    // The menu commands, with their file dialogs.
    void OpenCommand();
    void OpenRecentCommand(const QString& path);
    void AddCommand();
    // "Neuesten Report hinzufügen": every report in the folder of the
    // setting ReportDir (asked for once when not set) whose turn is later
    // than the open report's, in turn order.
    void AddNewestCommand();

signals:
    // A report was read or files were added with `count` warnings of the
    // CR reader (0: none), which are in the log.
    void readingWarnings(int count);

private:
    // Runs `command`, showing its failure in a message box.
    void ShowFailures(const std::function<void()>& command);
    // Runs `add` with the progress of adding and the window kept busy, then
    // logs what became of each file and shows the failures in one message.
    void Adding(const std::function<AddReportsResult(AddReportsContext)>& add);
    // Runs `write` with the save's progress and the window kept busy.
    void Saving(const std::function<void()>& write);

    FileCommandsParts FParts;
    QString FOpenFolder; // the last folder of the open and add dialogs
    QString FSaveFolder; // the last folder of the save dialog
};

} // namespace maprune
