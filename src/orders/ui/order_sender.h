// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "config/password_store.h"

class QWidget;

namespace maprune {

class Dialogs;
class ProcessRunner;
class QtSmtpTransport;
class TCheckerCommands;
class TReportDocument;
class TSettings;

// What the express mail works with; everything must outlive the sender.
struct OrderSenderParts {
    TSettings& Settings;
    TReportDocument& Document;
    Dialogs& Messages;
    TCheckerCommands& Checker;
    PasswordStore& Passwords;
    // How VORLAGE is run for the order file.
    ProcessRunner& Runner;
    // Asks for the password of a login that the store does not know; empty
    // result: cancelled. Null: a password dialog.
    std::function<std::optional<std::string>(QWidget* parent)> AskPassword;
};

// "Express-Versand": checks the order file (CheckBeforeMail), gets it
// (GetOrderFile) and mails it over SMTP behind a progress window whose
// "Abbrechen" stops the send; the outcome is said in a message.
class TOrderSender {
public:
    explicit TOrderSender(OrderSenderParts parts);
    ~TOrderSender();

    // Returns whether the mail went.
    bool SendOrders(QWidget* parent);

private:
    OrderSenderParts FParts;
    MemoryPasswordStore FSessionPasswords; // asked for, not kept
};

} // namespace maprune
