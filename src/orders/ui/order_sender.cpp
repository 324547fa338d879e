// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/ui/order_sender.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QProgressDialog>

#include "config/password_store.h"
#include "config/settings.h"
#include "core/dialogs.h"
#include "core/error.h"
#include "document/report_document.h"
#include "orders/order_export.h"
#include "orders/smtp_session.h"
#include "orders/ui/checker_commands.h"
#include "orders/ui/qt_smtp_transport.h"

namespace maprune {

namespace {

std::optional<std::string> AskPasswordInDialog(QWidget* parent, const std::string& account)
{
    bool ok = false;
    const QString password = QInputDialog::getText(parent, QStringLiteral("Express-Versand"),
        QStringLiteral("Kennwort für %1:").arg(QString::fromStdString(account)),
        QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return password.toStdString();
}

} // namespace

TOrderSender::TOrderSender(OrderSenderParts parts)
    : FParts(std::move(parts))
{
}

TOrderSender::~TOrderSender() = default;

bool TOrderSender::SendOrders(QWidget* parent)
{
    TReport* report = FParts.Document.Report();
    if (report == nullptr)
        return false;
    const TSettings& settings = FParts.Settings;
    try {
        if (!FParts.Checker.CheckBeforeMail())
            return false;
        std::optional<TextLines> orders = GetOrderFile(
            *report, OrderExportOptionsFrom(settings), FParts.Runner, FParts.Messages);
        if (!orders)
            return false;
        SmtpOptions options = SmtpOptionsFrom(settings);
        if (!options.Login.empty()) {
            const std::string account = MailPasswordAccount(settings);
            std::optional<std::string> password = FSessionPasswords.ReadPassword(account);
            if (!password)
                password = FParts.Passwords.ReadPassword(account);
            if (!password) {
                password = FParts.AskPassword ? FParts.AskPassword(parent)
                                              : AskPasswordInDialog(parent, account);
                if (!password)
                    return false;
                // For this session only: the user keeps it in the
                // configuration dialog when he wants it kept.
                FSessionPasswords.WritePassword(account, *password);
            }
            options.Password = *password;
        }
        const OrderMail mail = OrderMailFor(*report, settings, std::move(*orders));

        QtSmtpTransport transport(settings.Mail_Timeout.Get() * 1000);
        QProgressDialog progress(
            QStringLiteral("Verbindung zu %1 ...").arg(QString::fromStdString(options.Server)),
            QStringLiteral("&Abbrechen"), 0, kSmtpStepCount, parent);
        progress.setObjectName(QStringLiteral("SendProgress"));
        progress.setWindowTitle(QStringLiteral("Express-Versand"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        QObject::connect(
            &progress, &QProgressDialog::canceled, &progress, [&transport] { transport.Cancel(); });
        progress.show();
        progress.setMinimumWidth(360);
        const QString server = QString::fromStdString(options.Server);
        SendMail(transport, options, mail, [&progress, &server](SmtpStep step) {
            progress.setValue(static_cast<int>(step));
            progress.setLabelText(QStringLiteral("Befehle an %1 senden: %2")
                                      .arg(server, QString::fromStdString(SmtpStepName(step))));
        });
        progress.hide();
        FParts.Messages.ShowMessage(MessageKind::Information,
            "Die Befehle wurden an " + mail.Recipients.front() + " gesendet.", ButtonOk);
        return true;
    } catch (const Error& e) {
        FParts.Messages.ShowMessage(MessageKind::Error, e.what(), ButtonOk);
        return false;
    }
}

} // namespace maprune
