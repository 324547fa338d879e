// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "orders/order_mail.h"

namespace maprune {

class SmtpTransport;
class TSettings;

inline constexpr const char* kConnectFailedMessage
    = "Fehler beim Senden der EMail: Verbindung mit Host fehlgeschlagen...";
inline constexpr const char* kHelloFailedMessage
    = "Fehler beim Senden der EMail: Authentifizierung gegenüber dem Server fehlgeschlagen...";
inline constexpr const char* kNotConnectedMessage = "Nicht verbunden";
inline constexpr const char* kHeaderIncompleteMessage = "Header nicht vollständig";
inline constexpr const char* kSendCancelledMessage = "Der Versand wurde abgebrochen.";

enum class MailSecurity { None = 0, StartTls = 1, Tls = 2 };

// Where and how the express mail is sent (the Mail_ settings); the password
// comes from the desktop's password store, never from the settings.
struct SmtpOptions {
    std::string Server;
    uint16_t Port = 25;
    MailSecurity Security = MailSecurity::None;
    std::string HeloName; // Mail_Username; empty: "localhost"
    std::string Login; // empty: no AUTH
    std::string Password;
    // The whole dialogue, however many replies it takes; each single wait
    // has the transport's own time-out.
    std::chrono::milliseconds DialogueTimeout { std::chrono::minutes(5) };
};

SmtpOptions SmtpOptionsFrom(const TSettings& settings);

// The steps of the dialogue, for the progress display and for messages.
enum class SmtpStep { Connect, Greeting, Hello, StartTls, Login, Reset, MailFrom, Recipient, Data,
    Message, Quit };
inline constexpr int kSmtpStepCount = 11;
// The step's name in messages: "Verbindungsaufbau", "EHLO", "MAIL FROM" ...
std::string SmtpStepName(SmtpStep step);

// One reply of the server: its lines and the code that the first begins with.
struct SmtpReply {
    int Code = 0;
    std::vector<std::string> Lines;
    std::string Text() const; // the lines, one per line, as UTF-8
};

// Runs the SMTP dialogue for `mail` over `transport`: connect, greeting,
// HELO (EHLO with a login, TLS or an 8-bit body; STARTTLS and AUTH PLAIN or
// LOGIN as the options say), the content built before any further command,
// RSET, MAIL FROM, RCPT TO for each recipient, DATA, the mail dot-stuffed,
// ".", QUIT. Every failure ends the send with an Error whose text names it
// (the messages above, a refusing reply's text, a reply that breaks the
// protocol, or a time-out naming the step); the connection is closed on
// every path. `onStep` hears each step as it begins.
void SendMail(SmtpTransport& transport, const SmtpOptions& options, const OrderMail& mail,
    const std::function<void(SmtpStep)>& onStep = {});

} // namespace maprune
