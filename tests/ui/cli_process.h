// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// What a run of maprune-cli (beside the test program) printed and returned.
struct CliResult {
    int exitCode;
    QString out;
    QString err;
};

// Runs `maprune-cli verb arguments...` and waits for it, at most a minute.
inline CliResult RunCli(const QString& verb, const QStringList& arguments)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/maprune-cli"),
        QStringList { verb } + arguments);
    if (!process.waitForFinished(60000))
        qFatal("maprune-cli did not finish");
    return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError()) };
}
