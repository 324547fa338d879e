// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <ostream>
#include <string>

#include "orders/smtp_transport.h"

namespace maprune {

// A server that takes everything, for a trial run of the dialogue: it offers
// 8BITMIME, STARTTLS and AUTH PLAIN LOGIN, accepts every command and writes
// both sides to `log`, "C: " before the client's lines and "S: " before its
// own; a secret line shows its command word and "********".
class DryRunTransport final : public SmtpTransport {
public:
    explicit DryRunTransport(std::ostream& log)
        : FLog(log)
    {
    }

    SmtpStatus Connect(const std::string& host, uint16_t port, bool tls) override;
    bool Connected() const override { return FConnected; }
    void WriteLine(std::string_view line, bool secret) override;
    SmtpLine ReadLine() override;
    SmtpStatus StartTls() override;
    void Close() override { FConnected = false; }

private:
    void Answer(const std::string& line) { FReplies.push_back(line); }

    std::ostream& FLog;
    std::deque<std::string> FReplies;
    bool FConnected = false;
    bool FInData = false;
    int FLoginStep = 0;
};

} // namespace maprune
