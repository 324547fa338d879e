// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/vorlage_progress_runner.h"

#include <QProgressDialog>

namespace maprune {

ProcessResult RunBehindProgress(QProcessRunner& runner, QWidget* parent, const ProgressTexts& texts,
    const std::filesystem::path& program, const std::vector<std::string>& arguments,
    const std::filesystem::path& outputFile, const std::filesystem::path& errorFile,
    const ProcessLimits& limits)
{
    QProgressDialog progress(texts.Label, QStringLiteral("&Abbrechen"), 0, 0, parent);
    progress.setObjectName(texts.ObjectName);
    progress.setWindowTitle(texts.Title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QObject::connect(
        &progress, &QProgressDialog::canceled, &progress, [&runner] { runner.Cancel(); });
    progress.show();
    const ProcessResult result = runner.Run(program, arguments, outputFile, errorFile, limits);
    progress.hide();
    return result;
}

ProcessResult TVorlageProgressRunner::Run(const std::filesystem::path& program,
    const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
    const std::filesystem::path& errorFile, const ProcessLimits& limits)
{
    return RunBehindProgress(FRunner, FParent,
        { QStringLiteral("VORLAGE"), QStringLiteral("VORLAGE erstellt die Befehlsdatei..."),
            QStringLiteral("VorlageProgress") },
        program, arguments, outputFile, errorFile, limits);
}

} // namespace maprune
