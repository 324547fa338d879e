// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_commands.h"

#include <QFileInfo>
#include <QMainWindow>

#include "app/add_progress_panel.h"
#include "app/busy_state.h"
#include "app/file_chooser.h"
#include "app/log_window.h"
#include "app/recent_files_menu.h"
#include "app/status_progress.h"
#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "document/path_text.h"
#include "document/report_document.h"
#include "files/report_file.h"
#include "files/report_inputs.h"
#include "files/report_turns.h"
#include "model/report.h"
#include "report/adaptation_settings.h"
#include "report/cr_reader.h"

namespace maprune {

namespace {

const char* const kSaveQuestion = "Der offene Report wurde seit der letzten Änderung nicht "
                                  "gespeichert! Wollen Sie den Report jetzt speichern ?";

const char* const kSaveElsewhereQuestion
    = "Der Report konnte nicht gespeichert werden: %1\n\nWollen Sie ihn mit "
      "\"Report speichern unter...\" unter einem anderen Namen speichern?";

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

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : " ") + name;
    return text;
}

// The folder a file dialog starts in: the configured one, else the last one.
QString StartFolder(const std::string& configured, const QString& last)
{
    return configured.empty() ? last : QString::fromStdString(configured);
}

} // namespace

TFileCommands::TFileCommands(FileCommandsParts parts, QObject* parent)
    : QObject(parent)
    , FParts(parts)
{
    FParts.Recent.OnChosen([this](const QString& path) { OpenRecentCommand(path); });
}

void TFileCommands::ShowFailures(const std::function<void()>& command)
{
    try {
        command();
    } catch (const Abort&) {
        // The messages were shown where the failure happened.
    } catch (const std::exception& e) {
        FParts.Messages.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
}

bool TFileCommands::AskToSaveChanges()
{
    if (!FParts.Document.Report() || !FParts.Document.Modified())
        return true;
    switch (FParts.Messages.ShowMessage(
        MessageKind::Warning, kSaveQuestion, ButtonYes | ButtonNo | ButtonCancel)) {
    case ButtonYes:
        return SaveFile() && !FParts.Document.Modified();
    case ButtonNo:
        return true;
    default:
        return false;
    }
}

bool TFileCommands::OpenFile(const QString& path)
{
    FParts.Document.SetCurrentRegion(nullptr);
    if (!AskToSaveChanges())
        return false;
    std::vector<CRWarning> warnings;
    std::unique_ptr<TReport> report;
    // A packed file opens as its first report; the others are added then.
    FileReports later;
    {
        BusyScope busy(FParts.Busy, FParts.Window);
        FParts.Progress.ProgressStart();
        try {
            later = ReportsOf(ToPath(path));
            report = ReadReportInput(
                later.Reports.front(), FParts.Messages, FParts.Progress, &warnings);
        } catch (...) {
            FParts.Log.AddLines(WarningLines(path, warnings));
            FParts.Progress.ProgressStop();
            throw;
        }
        FParts.Log.AddLines(WarningLines(path, warnings));
        FParts.Progress.ProgressFinish();
    }
    emit readingWarnings(static_cast<int>(warnings.size()));
    // The windows take the new report once the window is usable again, so
    // that the menus come back with their shortcuts.
    FParts.Document.Replace(std::move(report), path);
    FParts.Recent.PushPrevious(path);
    later.Reports.erase(later.Reports.begin());
    if (!later.Reports.empty()) {
        Adding([&](AddReportsContext context) {
            return FParts.Document.AddReports(ToPath(path), later, context);
        });
    } else if (!later.Ignored.empty()) {
        FParts.Log.AddLines({ QStringLiteral("%1: im Archiv nicht gelesen (kein Report): %2")
                                  .arg(path, QString::fromStdString(JoinNames(later.Ignored))) });
    }
    return true;
}

void TFileCommands::OpenFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    const QString first = paths.constFirst();
    bool opened = false;
    ShowFailures([&] { opened = OpenFile(first); });
    if (opened)
        AddFilesInTurnOrder(paths.mid(1));
}

void TFileCommands::DropFiles(const QStringList& paths)
{
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files += path;
            continue;
        }
        QStringList reports;
        QStringList lines;
        ShowFailures([&] {
            for (const TurnFile& file : FolderReports(ToPath(path))) {
                reports += ToQString(file.File);
                lines += QStringLiteral("%1 (Runde %2)")
                             .arg(QFileInfo(reports.constLast()).fileName(),
                                 file.Turn ? QString::number(*file.Turn) : QStringLiteral("?"));
            }
        });
        if (reports.isEmpty())
            continue;
        const QString question = QStringLiteral("Folgende Reports aus %1 hinzufügen?\n\n%2")
                                     .arg(path, lines.join(QLatin1Char('\n')));
        if (FParts.Messages.ShowMessage(
                MessageKind::Confirmation, question.toStdString(), ButtonYes | ButtonNo)
            == ButtonYes)
            files += reports;
    }
    if (files.isEmpty())
        return;
    if (FParts.Document.Report())
        AddFilesInTurnOrder(files);
    else
        OpenFiles(files);
}

void TFileCommands::AddNewestCommand()
{
    const TReport* report = FParts.Document.Report();
    if (!report)
        return;
    QString folder = QString::fromStdString(FParts.Settings.ReportDir.Get());
    if (folder.isEmpty()) {
        folder = FParts.Files.ChooseFolder(&FParts.Window, FOpenFolder);
        if (folder.isEmpty())
            return;
        FParts.Settings.ReportDir.Set(folder.toStdString());
    }
    QStringList files;
    ShowFailures([&] {
        for (const TurnFile& file : ReportsAfterTurn(ToPath(folder), report->Turn))
            files += ToQString(file.File);
    });
    if (files.isEmpty()) {
        FParts.Messages.ShowMessage(MessageKind::Information,
            QStringLiteral("In %1 liegt kein Report nach Runde %2.")
                .arg(folder)
                .arg(report->Turn)
                .toStdString(),
            ButtonOk);
        return;
    }
    AddFiles(files);
}

void TFileCommands::Saving(const std::function<void()>& write)
{
    BusyScope busy(FParts.Busy, FParts.Window);
    FParts.Progress.ProgressStart();
    try {
        write();
        FParts.Progress.ProgressFinish();
    } catch (...) {
        FParts.Progress.ProgressStop();
        throw;
    }
}

void TFileCommands::SaveCopy(const QString& path)
{
    Saving([&] {
        FParts.Document.SaveCopy(path,
            SaveReportOptions {
                KdfWriteOptions { FParts.Settings.FastKDF.Get() }, FParts.Progress });
    });
}

bool TFileCommands::SaveFile()
{
    TReportDocument& document = FParts.Document;
    if (!document.Report())
        return false;
    if (document.FileName().isEmpty())
        return SaveFileAs();
    const QString path = document.FileName();
    try {
        Saving([&] {
            document.Save(path,
                SaveReportOptions {
                    KdfWriteOptions { FParts.Settings.FastKDF.Get() }, FParts.Progress });
        });
    } catch (const std::exception& e) {
        // A report read from a file that cannot be written back (a CR in a
        // folder of the game's mails, say) is not lost: it can go elsewhere.
        const std::string question = QString::fromUtf8(kSaveElsewhereQuestion)
                                         .arg(QString::fromUtf8(e.what()))
                                         .toStdString();
        if (FParts.Messages.ShowMessage(MessageKind::Warning, question, ButtonYes | ButtonNo)
            == ButtonYes)
            return SaveFileAs();
        return false;
    }
    FParts.Recent.PushPrevious(path);
    return true;
}

bool TFileCommands::SaveFileAs()
{
    TReportDocument& document = FParts.Document;
    if (!document.Report())
        return false;
    const QString name = FParts.Files.ChooseSaveName(
        &FParts.Window, StartFolder(FParts.Settings.SaveDir.Get(), FSaveFolder));
    if (name.isEmpty())
        return false;
    FSaveFolder = QFileInfo(name).absolutePath();
    const QString previous = document.FileName();
    document.SetFileName(name);
    const bool saved = SaveFile();
    if (!saved)
        document.SetFileName(previous);
    return saved;
}

void TFileCommands::AddFiles(const QStringList& paths)
{
    if (!FParts.Document.Report() || paths.isEmpty())
        return;
    std::vector<std::filesystem::path> files;
    for (const QString& path : paths)
        files.push_back(ToPath(path));
    Adding([&](AddReportsContext context) { return FParts.Document.Add(files, context); });
}

void TFileCommands::AddFilesInTurnOrder(const QStringList& paths)
{
    std::vector<std::filesystem::path> files;
    for (const QString& path : paths)
        files.push_back(ToPath(path));
    QStringList ordered;
    for (const TurnFile& file : ByTurn(files))
        ordered += ToQString(file.File);
    AddFiles(ordered);
}

void TFileCommands::Adding(const std::function<AddReportsResult(AddReportsContext)>& add)
{
    AddReportsResult result;
    {
        BusyScope busy(FParts.Busy, FParts.Window);
        FParts.AddProgress.Start();
        FParts.Progress.ProgressStart();
        AddReportsContext context { FParts.Messages, FParts.Shifts, FParts.AddProgress,
            FParts.Progress, AdaptationOptionsFrom(FParts.Settings), {} };
        context.PastTurns = FParts.Settings.ChangesPastTurns.Get();
        result = add(context);
        FParts.Progress.ProgressFinish();
        FParts.AddProgress.Finish();
    }
    QStringList outcomes;
    size_t warnings = 0;
    for (const AddedFile& file : result.Files) {
        outcomes += QString::fromStdString(DescribeOutcome(file));
        warnings += file.Warnings;
    }
    FParts.Log.AddLines(outcomes);
    emit readingWarnings(static_cast<int>(warnings));
    if (result.AnyFailed())
        FParts.Messages.ShowMessage(MessageKind::Error, result.FailureMessage(), ButtonOk);
}

void TFileCommands::SetLastFolders(const QString& open, const QString& save)
{
    FOpenFolder = open;
    FSaveFolder = save;
}

void TFileCommands::OpenCommand()
{
    const QString path = FParts.Files.ChooseReportToOpen(
        &FParts.Window, StartFolder(FParts.Settings.OpenDir.Get(), FOpenFolder));
    if (path.isEmpty())
        return;
    FOpenFolder = QFileInfo(path).absolutePath();
    ShowFailures([&] { OpenFile(path); });
}

void TFileCommands::OpenRecentCommand(const QString& path)
{
    ShowFailures([&] { OpenFile(path); });
}

void TFileCommands::AddCommand()
{
    if (!FParts.Document.Report())
        return;
    const QStringList paths = FParts.Files.ChooseFilesToAdd(
        &FParts.Window, StartFolder(FParts.Settings.OpenDir.Get(), FOpenFolder));
    if (paths.isEmpty())
        return;
    FOpenFolder = QFileInfo(paths.constFirst()).absolutePath();
    AddFiles(paths);
}

} // namespace maprune
