// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QTemporaryDir>
#include <QTimer>

#include "orders/ui/qprocess_runner.h"

using namespace maprune;

namespace {

std::filesystem::path PathOf(const QString& name)
{
    return std::filesystem::path(name.toStdU16String());
}

QByteArray Bytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class QProcessRunnerTest : public QObject {
    Q_OBJECT
private slots:
    void argumentsArriveWholeAndBothOutputsReachTheirFiles()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.txt"));
        const QString err = dir.filePath(QStringLiteral("err.txt"));
        QProcessRunner runner;
        const ProcessResult result = runner.Run("/bin/sh",
            { "-c", "printf '[%s]' \"$@\"; read line || echo leer >&2", "sh", "a b", "" },
            PathOf(out), PathOf(err), {});
        QVERIFY(result.Outcome == ProcessOutcome::Finished);
        QCOMPARE(Bytes(out), QByteArray("[a b][]"));
        // Standard input is empty, so the read fails at once.
        QCOMPARE(Bytes(err), QByteArray("leer\n"));
    }

    void aMissingProgramIsNotStartedAndARunningOneCanBeCancelled()
    {
        QTemporaryDir dir;
        const auto out = PathOf(dir.filePath(QStringLiteral("out.txt")));
        QProcessRunner runner;
        QVERIFY(
            runner.Run("/no/such/vorlage", {}, out, {}, {}).Outcome == ProcessOutcome::NotStarted);
        QTimer::singleShot(50, [&runner] { runner.Cancel(); });
        QVERIFY(
            runner.Run("/bin/sleep", { "30" }, out, {}, {}).Outcome == ProcessOutcome::Cancelled);
    }

    void oneFileTakesBothStreamsInOrder()
    {
        QTemporaryDir dir;
        const auto both = PathOf(dir.filePath(QStringLiteral("both.txt")));
        QProcessRunner runner;
        QVERIFY(
            runner.Run("/bin/sh", { "-c", "echo 1; echo 2 >&2; echo 3" }, both, both, {}).Outcome
            == ProcessOutcome::Finished);
        QCOMPARE(Bytes(QString::fromStdU16String(both.u16string())), QByteArray("1\n2\n3\n"));
    }

    // Last: once the program quits, every later event loop ends at once too.
    void quittingTheProgramEndsTheWait()
    {
        QTemporaryDir dir;
        QProcessRunner runner;
        QTimer::singleShot(50, [] { QCoreApplication::exit(0); });
        QVERIFY(
            runner.Run("/bin/sleep", { "30" }, PathOf(dir.filePath(QStringLiteral("o"))), {}, {})
                .Outcome
            == ProcessOutcome::Cancelled);
    }
};

QTEST_MAIN(QProcessRunnerTest)
#include "qprocess_runner_test.moc"
