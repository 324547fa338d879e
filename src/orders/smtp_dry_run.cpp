// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/smtp_dry_run.h"

namespace maprune {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

SmtpStatus DryRunTransport::Connect(const std::string& host, uint16_t port, bool tls)
{
    FLog << "# " << (tls ? "TLS-" : "") << "Verbindung zu " << host << ':' << port << '\n';
    FConnected = true;
    Answer("220 " + host + " ESMTP (Probelauf)");
    return SmtpStatus::Ok;
}

void DryRunTransport::WriteLine(std::string_view line, bool secret)
{
    if (secret) {
        const size_t blank = line.rfind(' ');
        FLog << "C: " << (blank == std::string_view::npos ? "" : line.substr(0, blank + 1))
             << "********\n";
    } else {
        FLog << "C: " << line << '\n';
    }
    if (FInData) {
        if (line == ".") {
            FInData = false;
            Answer("250 angenommen");
        }
        return;
    }
    if (StartsWith(line, "EHLO")) {
        Answer("250-Probelauf");
        Answer("250-8BITMIME");
        Answer("250-STARTTLS");
        Answer("250 AUTH PLAIN LOGIN");
    } else if (line == "DATA") {
        FInData = true;
        Answer("354 Daten bitte");
    } else if (line == "STARTTLS") {
        Answer("220 bereit");
    } else if (line == "AUTH LOGIN") {
        FLoginStep = 0;
        Answer("334 VXNlcm5hbWU6");
    } else if (StartsWith(line, "AUTH PLAIN")) {
        Answer("235 angemeldet");
    } else if (line == "QUIT") {
        Answer("221 Auf Wiedersehen");
    } else if (secret) {
        // The two answers of AUTH LOGIN: user name, then password.
        Answer(FLoginStep++ == 0 ? "334 UGFzc3dvcmQ6" : "235 angemeldet");
    } else {
        Answer("250 ok");
    }
}

SmtpLine DryRunTransport::ReadLine()
{
    if (FReplies.empty())
        return { SmtpStatus::Failed, {} };
    std::string line = std::move(FReplies.front());
    FReplies.pop_front();
    FLog << "S: " << line << '\n';
    return { SmtpStatus::Ok, std::move(line) };
}

SmtpStatus DryRunTransport::StartTls()
{
    FLog << "# TLS\n";
    return SmtpStatus::Ok;
}

} // namespace maprune
