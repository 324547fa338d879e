// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_session.h"

#include <filesystem>
#include <system_error>

#include <QFileInfo>

#include "app/file_commands.h"
#include "app/log_window.h"
#include "app/recent_files_menu.h"
#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "document/path_text.h"
#include "document/report_document.h"
#include "map/alliance_file.h"

namespace maprune {

namespace {

const char* const kCommandLineFailure
    = "Es trat folgender Fehler beim Lesen des als Parameter übergebenen Reports auf: ";
const char* const kAutoSaveReadFailure
    = "Es trat folgender Fehler beim Lesen des automatisch gesicherten Reports auf: ";
const char* const kAutoSaveWriteFailure
    = "Der Report konnte nicht automatisch gesichert werden: %1\n\nWollen Sie Maprune trotzdem "
      "beenden? Die Änderungen seit dem letzten Speichern gehen dann verloren.";
const char* const kAllianceReadFailure
    = "Die Bündnisse konnten nicht gelesen werden: %1\n\nDie Datei bleibt unverändert; "
      "Änderungen an den Bündnissen werden in dieser Sitzung nicht gespeichert.";

} // namespace

TProgramSession::TProgramSession(ProgramSessionParts parts, QObject* parent)
    : QObject(parent)
    , FParts(std::move(parts))
{
}

bool TProgramSession::OpenAtStart(const QString& path, const char* failure)
{
    try {
        FParts.Files.OpenFile(path);
        return true;
    } catch (const Abort&) {
    } catch (const std::exception& e) {
        FParts.Messages.ShowMessage(MessageKind::Error, failure + std::string(e.what()), ButtonOk);
    }
    return false;
}

void TProgramSession::StartUp()
{
    ReadAlliances();
    FParts.Log.ReadLogFile(FParts.Paths.Log);
    // Stored settings that could not be used keep their defaults; the log
    // says which.
    QStringList settingsProblems;
    for (const std::string& problem : FParts.Settings.Registry().Problems())
        settingsProblems << QString::fromStdString(problem);
    FParts.Log.AddLines(settingsProblems);
    const QStringList& arguments = FParts.Arguments;
    if (!arguments.isEmpty() && QFileInfo::exists(arguments.constFirst())) {
        if (OpenAtStart(arguments.constFirst(), kCommandLineFailure))
            FParts.Files.AddFilesInTurnOrder(arguments.mid(1));
    } else if (const QString autoSave = ToQString(FParts.Paths.AutoSave);
               // A first start has no automatic save yet, which is no failure.
               QFileInfo::exists(autoSave) && OpenAtStart(autoSave, kAutoSaveReadFailure)) {
        // The automatic save is no document of the user's.
        FParts.Document.SetFileName(QString());
    }
    FParts.Recent.Rebuild();
    FStartedUp = true;
    emit startUpFinished();
}

bool TProgramSession::ConfirmClose()
{
    if (!FParts.Document.Report())
        return true;
    if (!FParts.Settings.NoAutoSave.Get()) {
        try {
            FParts.Files.SaveCopy(ToQString(FParts.Paths.AutoSave));
        } catch (const std::exception& e) {
            // The former automatic save is still there (files are replaced
            // only when written completely); the user decides whether the
            // changes since may go.
            const QString question
                = QString::fromUtf8(kAutoSaveWriteFailure).arg(QString::fromStdString(e.what()));
            if (FParts.Messages.ShowMessage(
                    MessageKind::Warning, question.toStdString(), ButtonYes | ButtonNo)
                != ButtonYes)
                return false;
        }
    } else if (!FParts.Files.AskToSaveChanges()) {
        return false;
    }
    // The open file heads the list at the next start.
    FParts.Recent.PushPrevious(QString());
    return true;
}

void TProgramSession::ShutDown()
{
    FParts.Recent.Store();
    StoreAlliances();
    try {
        FParts.Log.WriteLogFile(FParts.Paths.Log);
    } catch (const std::exception&) {
        // The log is a convenience; it must not keep the program open.
    }
}

void TProgramSession::ReadAlliances()
{
    std::error_code missing;
    if (!std::filesystem::exists(FParts.Paths.Alliances, missing))
        return; // a first start: no alliances yet
    try {
        FAlliances = ReadAllianceFile(FParts.Paths.Alliances);
    } catch (const std::exception& e) {
        FAlliancesReadable = false;
        FParts.Messages.ShowMessage(MessageKind::Warning,
            QString::fromUtf8(kAllianceReadFailure)
                .arg(QString::fromStdString(e.what()))
                .toStdString(),
            ButtonOk);
    }
}

void TProgramSession::StoreAlliances()
{
    if (!FAlliancesReadable)
        return;
    try {
        WriteAllianceFile(FParts.Paths.Alliances, FAlliances);
    } catch (const std::exception&) {
        // The former file stays as it was; a failure must not keep the
        // program open.
    }
}

} // namespace maprune
