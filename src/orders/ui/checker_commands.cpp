// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/checker_commands.h"

#include <QWidget>

#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "document/report_document.h"
#include "orders/kcheck.h"
#include "orders/ui/kcheck_messages_window.h"
#include "orders/ui/vorlage_progress_runner.h"

namespace maprune {

namespace {

// VORLAGE behind its own progress window, the checker behind one that says
// so; "Abbrechen" stops either.
class CheckerProgressRunner final : public ProcessRunner {
public:
    CheckerProgressRunner(QWidget* parent, const TSettings& settings)
        : FParent(parent)
        , FSettings(settings)
        , FVorlage(parent)
    {
    }

    ProcessResult Run(const std::filesystem::path& program,
        const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
        const std::filesystem::path& errorFile, const ProcessLimits& limits) override
    {
        if (program != KCheckProgram(KCheckOptionsFrom(FSettings)))
            return FVorlage.Run(program, arguments, outputFile, errorFile, limits);
        return RunBehindProgress(FRunner, FParent,
            { QStringLiteral("KCheck"), QStringLiteral("KCheck überprüft die Befehle..."),
                QStringLiteral("KCheckProgress") },
            program, arguments, outputFile, errorFile, limits);
    }

private:
    QWidget* FParent;
    const TSettings& FSettings;
    TVorlageProgressRunner FVorlage;
    QProcessRunner FRunner;
};

} // namespace

TCheckerCommands::TCheckerCommands(TSettings& settings, TReportDocument& document, Dialogs& dialogs,
    TKCheckMessagesWindow& window, QWidget* parent, ProcessRunner* runner)
    : QObject(parent)
    , FSettings(settings)
    , FDocument(document)
    , FDialogs(dialogs)
    , FWindow(window)
    , FOwnRunner(
          runner == nullptr ? std::make_unique<CheckerProgressRunner>(parent, settings) : nullptr)
    , FRunner(runner != nullptr ? *runner : *FOwnRunner)
{
}

TCheckerCommands::~TCheckerCommands() = default;

void TCheckerCommands::Show(const CheckerResults& results)
{
    FWindow.ShowResults(results);
    FLast.Warnings = results.Warnings;
    FLast.Errors = results.Errors;
    emit resultsShown(results);
    if (results.ShowWindow())
        emit windowWanted();
}

void TCheckerCommands::RunCheck()
{
    TReport* report = FDocument.Report();
    if (report == nullptr)
        return;
    try {
        const KCheckRun run = RunKCheck(*report, KCheckOptionsFrom(FSettings), FRunner, FDialogs);
        if (run.Results)
            Show(*run.Results);
    } catch (const Error& e) {
        FDialogs.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
    }
}

bool TCheckerCommands::CheckBeforeMail()
{
    TReport* report = FDocument.Report();
    if (report == nullptr)
        return false;
    CheckerResults last;
    last.Warnings = FLast.Warnings;
    last.Errors = FLast.Errors;
    return maprune::CheckBeforeMail(*report, KCheckOptionsFrom(FSettings), FRunner, FDialogs, last,
        [this](const CheckerResults& results) { Show(results); });
}

} // namespace maprune
