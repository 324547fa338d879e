// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on the first showing, shut-down on closing.
#include "app/main_window.h"

#include <filesystem>
#include <system_error>

#include <QCloseEvent>
#include <QFileInfo>
#include <QTimer>

#include "app/log_window.h"
#include "app/path_text.h"
#include "config/recent_files.h"
#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
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
const char* const kSaveQuestion = "Der offene Report wurde seit der letzten Änderung nicht "
                                  "gespeichert! Wollen Sie den Report jetzt speichern ?";

} // namespace

void TMainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    UpdateUnitsEntry();
    if (shownOnce_)
        return;
    shownOnce_ = true;
    // Reading may take a while; the window is painted first.
    QTimer::singleShot(0, this, &TMainWindow::StartUp);
}

void TMainWindow::StartUp()
{
    ReadAlliances();
    logWindow_->ReadLogFile(env_.Paths.Log);
    const auto open = [this](const QString& path, const char* failure) {
        try {
            OpenFile(path);
            return true;
        } catch (const Abort&) {
        } catch (const std::exception& e) {
            env_.Messages.ShowMessage(
                MessageKind::Error, failure + std::string(e.what()), ButtonOk);
        }
        return false;
    };
    if (env_.Arguments.size() == 1 && QFileInfo::exists(env_.Arguments.constFirst())) {
        open(env_.Arguments.constFirst(), kCommandLineFailure);
    } else if (open(ToQString(env_.Paths.AutoSave), kAutoSaveReadFailure)) {
        // The automatic save is no document of the user's.
        fileName_.clear();
        UpdateCaption();
    }
    RebuildRecentMenu();
    startedUp_ = true;
    emit startUpFinished();
}

void TMainWindow::closeEvent(QCloseEvent* event)
{
    if (Busy()) {
        closeWhenIdle_ = true;
        event->ignore();
        return;
    }
    if (!ConfirmClose()) {
        event->ignore();
        return;
    }
    StoreRecentFiles();
    StoreAlliances();
    try {
        logWindow_->WriteLogFile(env_.Paths.Log);
    } catch (const std::exception&) {
        // The log is a convenience; it must not keep the program open.
    }
    logWindow_->close();
    event->accept();
}

bool TMainWindow::ConfirmClose()
{
    if (!report_)
        return true;
    if (!env_.Settings.NoAutoSave.Get()) {
        try {
            StoreReport(ToQString(env_.Paths.AutoSave));
        } catch (const std::exception& e) {
            // The former automatic save is still there (files are replaced
            // only when written completely); the user decides whether the
            // changes since may go.
            const QString question
                = QString::fromUtf8(kAutoSaveWriteFailure).arg(QString::fromStdString(e.what()));
            if (env_.Messages.ShowMessage(
                    MessageKind::Warning, question.toStdString(), ButtonYes | ButtonNo)
                != ButtonYes)
                return false;
        }
    } else if (modified_) {
        switch (env_.Messages.ShowMessage(
            MessageKind::Warning, kSaveQuestion, ButtonYes | ButtonNo | ButtonCancel)) {
        case ButtonYes:
            if (!SaveFile() || modified_)
                return false;
            break;
        case ButtonNo:
            break;
        default:
            return false;
        }
    }
    // The open file heads the list at the next start.
    recent_.PushPrevious(QString());
    return true;
}

void TMainWindow::ReadAlliances()
{
    std::error_code missing;
    if (!std::filesystem::exists(env_.Paths.Alliances, missing))
        return; // a first start: no alliances yet
    try {
        alliances_ = ReadAllianceFile(env_.Paths.Alliances);
    } catch (const std::exception& e) {
        alliancesReadable_ = false;
        env_.Messages.ShowMessage(MessageKind::Warning,
            QString::fromUtf8(kAllianceReadFailure)
                .arg(QString::fromStdString(e.what()))
                .toStdString(),
            ButtonOk);
    }
}

void TMainWindow::StoreAlliances()
{
    if (!alliancesReadable_)
        return;
    try {
        WriteAllianceFile(env_.Paths.Alliances, alliances_);
    } catch (const std::exception&) {
        // The former file stays as it was; a failure must not keep the
        // program open.
    }
}

void TMainWindow::StoreRecentFiles()
{
    std::vector<std::string> files;
    for (const QString& file : recent_.Files())
        files.push_back(file.toStdString());
    try {
        SaveRecentFiles(env_.Store, files);
    } catch (const std::exception&) {
        // Losing the list of recent files must not keep the program open.
    }
}

} // namespace maprune
