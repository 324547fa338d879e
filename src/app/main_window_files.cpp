// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, saving and adding report files.
#include "app/main_window.h"

#include <QFileInfo>

#include "app/add_progress_panel.h"
#include "app/file_chooser.h"
#include "app/log_window.h"
#include "app/main_window_busy.h"
#include "app/map_view_slot.h"
#include "app/path_text.h"
#include "app/status_progress.h"
#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "files/add_reports.h"
#include "files/report_file.h"
#include "model/report.h"
#include "report/adaptation_settings.h"
#include "report/cr_reader.h"

namespace maprune {

namespace {

const char* const kSaveQuestion = "Der offene Report wurde seit der letzten Änderung nicht "
                                  "gespeichert! Wollen Sie den Report jetzt speichern ?";

QStringList WarningLines(const QString& path, const std::vector<CRWarning>& warnings)
{
    QStringList lines;
    const QString name = QFileInfo(path).fileName();
    for (const CRWarning& warning : warnings) {
        lines += QStringLiteral("%1, Zeile %2: %3")
                     .arg(name)
                     .arg(warning.Line)
                     .arg(QString::fromStdString(warning.Text));
    }
    return lines;
}

// The folder a file dialog starts in: the configured one, else the last one.
QString StartFolder(const std::string& configured, const QString& last)
{
    return configured.empty() ? last : QString::fromStdString(configured);
}

} // namespace

void TMainWindow::ShowFailures(const std::function<void()>& command)
{
    try {
        command();
    } catch (const Abort&) {
        // The messages were shown where the failure happened.
    } catch (const std::exception& e) {
        env_.Messages.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
}

bool TMainWindow::AskToSaveChanges()
{
    if (!report_ || !modified_)
        return true;
    switch (env_.Messages.ShowMessage(
        MessageKind::Warning, kSaveQuestion, ButtonYes | ButtonNo | ButtonCancel)) {
    case ButtonYes:
        SaveFile();
        return !modified_;
    case ButtonNo:
        return true;
    default:
        return false;
    }
}

bool TMainWindow::OpenFile(const QString& path)
{
    ClearCurrentRegion();
    if (!AskToSaveChanges())
        return false;
    AdoptReport(LoadReport(path), path);
    return true;
}

std::unique_ptr<TReport> TMainWindow::LoadReport(const QString& path)
{
    MainWindowBusy busy(*this);
    statusProgress_->ProgressStart();
    std::vector<CRWarning> warnings;
    try {
        std::unique_ptr<TReport> report
            = OpenReportFile(ToPath(path), env_.Messages, *statusProgress_, &warnings);
        logWindow_->AddLines(WarningLines(path, warnings));
        statusProgress_->ProgressFinish();
        return report;
    } catch (...) {
        logWindow_->AddLines(WarningLines(path, warnings));
        statusProgress_->ProgressStop();
        throw;
    }
}

void TMainWindow::AdoptReport(std::unique_ptr<TReport> report, const QString& path)
{
    ClearCurrentRegion();
    // The old report lives until the windows have let go of it.
    std::unique_ptr<TReport> old = std::move(report_);
    report_ = std::move(report);
    report_->SelectionChanged = [this](TRegion&) { modified_ = true; };
    fileName_ = path;
    emit reportReplaced(report_.get());
    UpdateMenus();
    RebuildView();
    old.reset();
    recent_.PushPrevious(path);
    RebuildRecentMenu();
    modified_ = false;
    UpdateCaption();
    mapView_->SetScrollPositions(QPoint(report_->PosX, report_->PosY));
}

void TMainWindow::StoreReport(const QString& path)
{
    CheckReportSaveName(ToPath(path));
    const QPoint positions = mapView_->ScrollPositions();
    report_->PosX = positions.x();
    report_->PosY = positions.y();
    MainWindowBusy busy(*this);
    statusProgress_->ProgressStart();
    try {
        SaveReportFile(*report_, ToPath(path),
            SaveReportOptions {
                KdfWriteOptions { env_.Settings.FastKDF.Get() }, *statusProgress_ });
        statusProgress_->ProgressFinish();
    } catch (...) {
        statusProgress_->ProgressStop();
        throw;
    }
}

bool TMainWindow::SaveFile()
{
    if (!report_)
        return false;
    if (fileName_.isEmpty())
        return SaveFileAs();
    bool saved = false;
    ShowFailures([&] {
        StoreReport(fileName_);
        saved = true;
    });
    if (!saved)
        return false;
    recent_.PushPrevious(fileName_);
    RebuildRecentMenu();
    modified_ = false;
    return true;
}

bool TMainWindow::SaveFileAs()
{
    if (!report_)
        return false;
    const QString name
        = env_.Files.ChooseSaveName(this, StartFolder(env_.Settings.SaveDir.Get(), saveFolder_));
    if (name.isEmpty())
        return false;
    saveFolder_ = QFileInfo(name).absolutePath();
    const QString previous = fileName_;
    fileName_ = name;
    const bool saved = SaveFile();
    if (!saved)
        fileName_ = previous;
    UpdateCaption();
    return saved;
}

void TMainWindow::AddFiles(const QStringList& paths)
{
    if (!report_ || paths.isEmpty())
        return;
    std::vector<std::filesystem::path> files;
    for (const QString& path : paths)
        files.push_back(ToPath(path));
    AddReportsContext context { env_.Messages, *shiftChooser_, *addProgress_, *statusProgress_,
        AdaptationOptionsFrom(env_.Settings), [this] {
            ClearCurrentRegion();
            emit regionsAboutToBeFreed();
        } };
    AddReportsResult result;
    {
        MainWindowBusy busy(*this);
        addProgress_->Start();
        statusProgress_->ProgressStart();
        modified_ = true;
        result = AddReportFiles(report_.get(), files, context);
        statusProgress_->ProgressFinish();
        addProgress_->Finish();
    }
    QStringList outcomes;
    for (const AddedFile& file : result.Files)
        outcomes += QString::fromStdString(DescribeOutcome(file));
    logWindow_->AddLines(outcomes);
    RebuildView();
    UpdateCaption();
    emit reportChanged(report_.get());
    if (result.AnyFailed())
        env_.Messages.ShowMessage(MessageKind::Error, result.FailureMessage(), ButtonOk);
}

void TMainWindow::OpenCommand()
{
    const QString path = env_.Files.ChooseReportToOpen(
        this, StartFolder(env_.Settings.OpenDir.Get(), openFolder_));
    if (path.isEmpty())
        return;
    openFolder_ = QFileInfo(path).absolutePath();
    ShowFailures([&] { OpenFile(path); });
}

void TMainWindow::OpenRecentCommand(const QString& path)
{
    ShowFailures([&] { OpenFile(path); });
}

void TMainWindow::AddCommand()
{
    if (!report_)
        return;
    const QStringList paths
        = env_.Files.ChooseFilesToAdd(this, StartFolder(env_.Settings.OpenDir.Get(), openFolder_));
    if (paths.isEmpty())
        return;
    openFolder_ = QFileInfo(paths.constFirst()).absolutePath();
    AddFiles(paths);
}

} // namespace maprune
