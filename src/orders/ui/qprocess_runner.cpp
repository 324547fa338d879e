// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/qprocess_runner.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringList>

namespace maprune {

namespace {

QString PathString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

} // namespace

ProcessOutcome QProcessRunner::Run(const std::filesystem::path& program,
    const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
    const std::filesystem::path& errorFile)
{
    QProcess process;
    process.setProgram(PathString(program));
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    process.setArguments(list);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(PathString(outputFile), QIODevice::Truncate);
    if (!errorFile.empty() && errorFile == outputFile)
        process.setProcessChannelMode(QProcess::MergedChannels);
    else
        process.setStandardErrorFile(errorFile.empty() ? QProcess::nullDevice()
                                                       : PathString(errorFile),
            QIODevice::Truncate);

    process.start();
    if (!process.waitForStarted(-1))
        return ProcessOutcome::NotStarted;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    FRunning = &process;
    FCancelled = false;
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    FRunning = nullptr;
    // The program quitting ends every event loop, this one too: the wait
    // ends without the program's result.
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return ProcessOutcome::Cancelled;
    }
    return FCancelled ? ProcessOutcome::Cancelled : ProcessOutcome::Finished;
}

void QProcessRunner::Cancel()
{
    if (FRunning == nullptr)
        return;
    FCancelled = true;
    FRunning->kill();
}

} // namespace maprune
