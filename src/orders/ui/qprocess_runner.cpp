// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/qprocess_runner.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTimer>

namespace maprune {

namespace {

// How often the size of the output files is looked at.
constexpr int kOutputCheckMilliseconds = 100;

QString PathString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

std::uintmax_t OutputBytes(
    const std::filesystem::path& outputFile, const std::filesystem::path& errorFile)
{
    std::uintmax_t bytes = static_cast<std::uintmax_t>(QFileInfo(PathString(outputFile)).size());
    if (!errorFile.empty() && errorFile != outputFile)
        bytes += static_cast<std::uintmax_t>(QFileInfo(PathString(errorFile)).size());
    return bytes;
}

} // namespace

ProcessResult QProcessRunner::Run(const std::filesystem::path& program,
    const std::vector<std::string>& arguments, const std::filesystem::path& outputFile,
    const std::filesystem::path& errorFile, const ProcessLimits& limits)
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
        return { ProcessOutcome::NotStarted };
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    ProcessOutcome stopped = ProcessOutcome::Finished;
    const auto stop = [&process, &stopped](ProcessOutcome why) {
        if (stopped == ProcessOutcome::Finished)
            stopped = why;
        process.kill();
    };
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(
        &deadline, &QTimer::timeout, &process, [&stop] { stop(ProcessOutcome::TimedOut); });
    if (limits.Timeout.count() > 0)
        deadline.start(limits.Timeout);
    QTimer outputCheck;
    QObject::connect(&outputCheck, &QTimer::timeout, &process, [&] {
        if (OutputBytes(outputFile, errorFile) > limits.MaxOutputBytes)
            stop(ProcessOutcome::OutputTooLarge);
    });
    if (limits.MaxOutputBytes > 0)
        outputCheck.start(kOutputCheckMilliseconds);
    FRunning = &process;
    FCancelled = false;
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    FRunning = nullptr;
    deadline.stop();
    outputCheck.stop();
    // The program quitting ends every event loop, this one too: the wait
    // ends without the program's result.
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return { ProcessOutcome::Cancelled };
    }
    if (FCancelled)
        return { ProcessOutcome::Cancelled };
    if (stopped != ProcessOutcome::Finished)
        return { stopped };
    // What it wrote in its last moments counts as well.
    if (limits.MaxOutputBytes > 0 && OutputBytes(outputFile, errorFile) > limits.MaxOutputBytes)
        return { ProcessOutcome::OutputTooLarge };
    if (process.exitStatus() == QProcess::CrashExit)
        return { ProcessOutcome::Crashed, process.exitCode() };
    return { ProcessOutcome::Finished, process.exitCode() };
}

void QProcessRunner::Cancel()
{
    if (FRunning == nullptr)
        return;
    FCancelled = true;
    FRunning->kill();
}

} // namespace maprune
