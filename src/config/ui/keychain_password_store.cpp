// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/keychain_password_store.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace maprune {

namespace {

const char* const kService = "Maprune";
// A desktop store that does not answer in this time is taken as missing.
constexpr int kJobTimeoutMs = 5000;

PasswordStore* gReplacement = nullptr;

// Runs `job` to its end or the time-out; returns whether it succeeded.
bool RunJob(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kJobTimeoutMs, &loop, &QEventLoop::quit);
    job.start();
    if (!finished)
        loop.exec();
    return finished && job.error() == QKeychain::NoError;
}

} // namespace

PasswordStore& ProgramPasswordStore()
{
    if (gReplacement != nullptr)
        return *gReplacement;
    static KeychainPasswordStore keychain;
    return keychain;
}

void SetProgramPasswordStore(PasswordStore* store)
{
    gReplacement = store;
}

std::optional<std::string> KeychainPasswordStore::ReadPassword(const std::string& account)
{
    if (std::optional<std::string> kept = FSession.ReadPassword(account))
        return kept;
    // The job may still finish after a time-out; it must outlive the loop then.
    auto* job = new QKeychain::ReadPasswordJob(QString::fromLatin1(kService));
    job->setKey(QString::fromStdString(account));
    const bool ok = RunJob(*job);
    std::optional<std::string> password;
    if (ok)
        password = job->textData().toStdString();
    job->deleteLater();
    return password;
}

std::string KeychainPasswordStore::WritePassword(
    const std::string& account, const std::string& password)
{
    auto* job = new QKeychain::WritePasswordJob(QString::fromLatin1(kService));
    job->setKey(QString::fromStdString(account));
    job->setTextData(QString::fromStdString(password));
    const bool ok = RunJob(*job);
    std::string problem;
    if (ok) {
        FSession.DeletePassword(account);
    } else {
        problem = job->errorString().isEmpty() ? std::string("keine Antwort")
                                               : job->errorString().toStdString();
        FSession.WritePassword(account, password);
    }
    job->deleteLater();
    return problem;
}

void KeychainPasswordStore::DeletePassword(const std::string& account)
{
    FSession.DeletePassword(account);
    auto* job = new QKeychain::DeletePasswordJob(QString::fromLatin1(kService));
    job->setKey(QString::fromStdString(account));
    RunJob(*job);
    job->deleteLater();
}

} // namespace maprune
