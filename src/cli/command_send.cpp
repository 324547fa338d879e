// SPDX-License-Identifier: GPL-3.0-or-later
// maprune-cli send: mails the order file of the report's active party as
// "Express-Versand" does, with the user's mail settings; --dry-run prints the
// SMTP dialogue instead, the password masked.
#include <QCoreApplication>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/qt_verbs.h"
#include "cli/report_loading.h"
#include "cli/stderr_dialogs.h"
#include "cli/verb_registry.h"
#include "config/password_store.h"
#include "config/settings.h"
#include "config/ui/keychain_password_store.h"
#include "config/ui/qsettings_store.h"
#include "core/error.h"
#include "model/report.h"
#include "orders/kcheck.h"
#include "orders/order_export.h"
#include "orders/smtp_dry_run.h"
#include "orders/smtp_session.h"
#include "orders/ui/qprocess_runner.h"
#include "orders/ui/qt_smtp_transport.h"

namespace maprune::cli {

namespace {

struct SendOptions {
    ReportOptions Report;
    bool DryRun = false;
    bool Yes = false;
};

// The password of the login: MAPRUNE_MAIL_PASSWORD, else the desktop's
// password store. A dry run shows none, so it needs none.
std::optional<std::string> Password(const TSettings& settings, bool dryRun)
{
    if (dryRun)
        return std::string("(Probelauf)");
    if (const char* given = std::getenv("MAPRUNE_MAIL_PASSWORD"))
        return std::string(given);
    return ProgramPasswordStore().ReadPassword(MailPasswordAccount(settings));
}

void RunSend(const SendOptions& options)
{
    size_t warnings = 0;
    const LoadedReport report = LoadReport(options.Report, warnings);
    static int argc = 1;
    static char name[] = "maprune-cli";
    static char* argv[] = { name, nullptr };
    QCoreApplication application(argc, argv);
    QSettingsStore store;
    TSettings settings(store);
    settings.Registry().SetWriteBackOnDestruction(false);

    QProcessRunner runner;
    StderrDialogs dialogs(options.Yes);
    try {
        CheckerResults last;
        std::optional<TextLines> orders;
        if (CheckBeforeMail(*report, KCheckOptionsFrom(settings), runner, dialogs, last,
                [](const CheckerResults&) {}))
            orders = GetOrderFile(*report, OrderExportOptionsFrom(settings), runner, dialogs);
        if (!orders) {
            std::cerr << "Die Befehle wurden nicht gesendet.\n";
            throw CLI::RuntimeError(1);
        }
        SmtpOptions smtp = SmtpOptionsFrom(settings);
        if (!smtp.Login.empty()) {
            const std::optional<std::string> password = Password(settings, options.DryRun);
            if (!password) {
                std::cerr << "Kein Kennwort für " << MailPasswordAccount(settings)
                          << " (MAPRUNE_MAIL_PASSWORD oder der Schlüsselbund des Systems).\n";
                throw CLI::RuntimeError(1);
            }
            smtp.Password = *password;
        }
        const OrderMail mail = OrderMailFor(*report, settings, std::move(*orders));
        if (options.DryRun) {
            DryRunTransport transport(std::cout);
            SendMail(transport, smtp, mail);
            return;
        }
        QtSmtpTransport transport(settings.Mail_Timeout.Get() * 1000);
        SendMail(transport, smtp, mail,
            [](SmtpStep step) { std::cerr << SmtpStepName(step) << "...\n"; });
        std::cout << "Die Befehle wurden an " << mail.Recipients.front() << " gesendet.\n";
    } catch (const Error& e) {
        std::cerr << e.what() << '\n';
        throw CLI::RuntimeError(1);
    }
}

void AddSendCommand(CLI::App& app)
{
    auto options = std::make_shared<SendOptions>();
    CLI::App* command = app.add_subcommand("send", QtVerbDescription("send"));
    AddReportOptions(*command, options->Report);
    command->add_flag("--dry-run", options->DryRun,
        "nichts senden, nur den SMTP-Dialog zeigen (Kennwort verdeckt)");
    command->add_flag("--yes", options->Yes,
        "\"Trotzdem senden?\" mit Ja beantworten (sonst fragt das Terminal; ohne Terminal: Nein)");
    command->callback([options] { RunSend(*options); });
}

const VerbRegistration sendVerb { "send", &AddSendCommand };

} // namespace

} // namespace maprune::cli
