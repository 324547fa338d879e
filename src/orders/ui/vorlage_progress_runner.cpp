// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/vorlage_progress_runner.h"

#include <QProgressDialog>

namespace maprune {

ProcessOutcome TVorlageProgressRunner::Run(const std::filesystem::path& program,
    const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
    const std::filesystem::path& errorFile)
{
    QProgressDialog progress(QStringLiteral("VORLAGE erstellt die Befehlsdatei..."),
        QStringLiteral("&Abbrechen"), 0, 0, FParent);
    progress.setObjectName(QStringLiteral("VorlageProgress"));
    progress.setWindowTitle(QStringLiteral("VORLAGE"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    QObject::connect(
        &progress, &QProgressDialog::canceled, &progress, [this] { FRunner.Cancel(); });
    progress.show();
    const ProcessOutcome outcome = FRunner.Run(program, arguments, outputFile, errorFile);
    progress.hide();
    return outcome;
}

} // namespace maprune
