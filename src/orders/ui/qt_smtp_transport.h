// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QSslCertificate>

#include "orders/smtp_transport.h"

class QEventLoop;
class QSslSocket;

namespace maprune {

// SmtpTransport over a QSslSocket (plain TCP until TLS is asked for). Every
// wait runs an event loop, so that the windows and a cancel button keep
// working, and gives up after the time-out; Cancel ends the wait under way
// and every later one.
class QtSmtpTransport final : public SmtpTransport {
public:
    explicit QtSmtpTransport(int timeoutMilliseconds);
    ~QtSmtpTransport() override;

    // Certificates trusted besides the system's (a test server's own).
    void AddCaCertificates(const QList<QSslCertificate>& certificates);
    void Cancel();

    SmtpStatus Connect(const std::string& host, uint16_t port, bool tls) override;
    bool Connected() const override;
    void WriteLine(std::string_view line, bool secret) override;
    SmtpLine ReadLine() override;
    SmtpStatus StartTls() override;
    void Close() override;

private:
    // Runs the event loop until `done` holds, the socket failed, the time
    // ran out or the user cancelled.
    SmtpStatus WaitUntil(const std::function<bool()>& done);

    int FTimeout;
    std::unique_ptr<QSslSocket> FSocket;
    QList<QSslCertificate> FCaCertificates;
    QEventLoop* FWaiting = nullptr;
    bool FCancelled = false;
    bool FFailed = false;
};

} // namespace maprune
