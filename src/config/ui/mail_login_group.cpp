// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/mail_login_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "config/password_store.h"
#include "config/settings.h"
#include "config/ui/setting_bindings.h"
#include "core/dialogs.h"

namespace maprune {

namespace {

template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Label(const QString& caption, QWidget* buddy)
{
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    return label;
}

} // namespace

QGroupBox* MailLoginGroup(
    TSettings& settings, SettingBindings& bindings, Dialogs& dialogs, PasswordStore& passwords)
{
    auto* group = new QGroupBox(QStringLiteral("Versand"));
    auto* grid = new QGridLayout(group);

    auto* port = Named(new QSpinBox, "MailPort");
    auto* security = new QButtonGroup(group);
    auto* securityRow = new QHBoxLayout;
    const char* const names[] = { "MailSecurityNone", "MailSecurityStartTls", "MailSecurityTls" };
    const char* const captions[] = { "&unverschlüsselt", "STARTT&LS", "&TLS" };
    for (int value = 0; value < 3; ++value) {
        auto* button = Named(new QRadioButton(QString::fromUtf8(captions[value])), names[value]);
        security->addButton(button, value);
        securityRow->addWidget(button);
    }
    securityRow->addStretch(1);
    auto* login = Named(new QLineEdit, "MailLogin");
    login->setPlaceholderText(QStringLiteral("leer: ohne Anmeldung"));
    auto* password = Named(new QLineEdit, "MailPassword");
    password->setEchoMode(QLineEdit::Password);
    password->setPlaceholderText(QStringLiteral("im Schlüsselbund gespeichert"));
    auto* timeout = Named(new QSpinBox, "MailTimeout");
    timeout->setSuffix(QStringLiteral(" s"));

    grid->addWidget(Label(QStringLiteral("P&ort:"), port), 0, 0);
    grid->addWidget(port, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Verschlüsselung:")), 1, 0);
    grid->addLayout(securityRow, 1, 1);
    grid->addWidget(Label(QStringLiteral("A&nmeldename:"), login), 2, 0);
    grid->addWidget(login, 2, 1);
    grid->addWidget(Label(QStringLiteral("&Kennwort:"), password), 3, 0);
    grid->addWidget(password, 3, 1);
    grid->addWidget(Label(QStringLiteral("&Zeitlimit:"), timeout), 4, 0);
    grid->addWidget(timeout, 4, 1, Qt::AlignLeft);

    bindings.Bind(port, settings.Mail_Port);
    bindings.Bind(security, settings.Mail_Security);
    bindings.Bind(login, settings.Mail_Login);
    bindings.Bind(timeout, settings.Mail_Timeout);
    QObject::connect(password, &QLineEdit::editingFinished, group,
        [settings = &settings, dialogs = &dialogs, passwords = &passwords, password] {
        if (password->text().isEmpty())
            return;
        const std::string problem = passwords->WritePassword(
            MailPasswordAccount(*settings), password->text().toStdString());
        password->clear();
        if (!problem.empty()) {
            dialogs->ShowMessage(MessageKind::Warning,
                "Das Kennwort konnte nicht im Schlüsselbund des Systems gespeichert werden ("
                    + problem + "). Es gilt nur bis zum Programmende.",
                ButtonOk);
        }
    });
    return group;
}

} // namespace maprune
