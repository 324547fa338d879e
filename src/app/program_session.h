// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

#include "app/program_files.h"
#include "map/alliance_list.h"

namespace maprune {

class Dialogs;
class TFileCommands;
class TLogWindow;
class TRecentFilesMenu;
class TReportDocument;
class TSettings;

// What a session works with; everything must outlive it.
struct ProgramSessionParts {
    TReportDocument& Document;
    TFileCommands& Files;
    TRecentFilesMenu& Recent;
    TLogWindow& Log;
    TSettings& Settings;
    Dialogs& Messages;
    ProgramFiles Paths; // automatic save, alliances, log
    QStringList Arguments; // the command line without the program name
};

// One run of the program: start-up opens the reports of the command line
// (the first, then the others added in turn order) or the automatic save and reads the user's
// alliances and the log; shut-down saves the report automatically (or asks to save it) and writes
// back the alliances, the recently used files and the log.
class TProgramSession : public QObject {
    Q_OBJECT
public:
    explicit TProgramSession(ProgramSessionParts parts, QObject* parent = nullptr);

    void StartUp();
    // True once start-up has opened its file or failed to.
    bool StartedUp() const { return FStartedUp; }

    // Saves the report automatically, or asks to save a changed one when
    // NoAutoSave is set; false when the program must stay open.
    bool ConfirmClose();
    // Writes what the program keeps of this run; failures are ignored, so
    // that they cannot keep the program open.
    void ShutDown();

    // The user's alliances, read at start-up from the alliance file and
    // written back at shut-down.
    AllianceList& Alliances() { return FAlliances; }

signals:
    void startUpFinished();

private:
    // Opens `path` at start-up, showing a failure after `failure`.
    bool OpenAtStart(const QString& path, const char* failure);
    void ReadAlliances();
    void StoreAlliances();

    ProgramSessionParts FParts;
    AllianceList FAlliances;
    // False when the alliance file could not be read: it is then not
    // overwritten at exit, so that the user's alliances are not lost.
    bool FAlliancesReadable = true;
    bool FStartedUp = false;
};

} // namespace maprune
