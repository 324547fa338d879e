// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace maprune {

enum class SmtpStatus {
    Ok,
    Failed, // no connection, the server closed it, or the TLS handshake failed
    TimedOut, // nothing came within the time-out
    Cancelled, // the user stopped the send
};

struct SmtpLine {
    SmtpStatus Status = SmtpStatus::Ok;
    std::string Text; // without its line end; only with Ok
};

// The connection the SMTP dialogue runs over. The GUI's is a TCP (or TLS)
// socket that keeps the windows responsive while it waits and gives up after
// a time-out; tests script the server's side. Every wait may end in
// TimedOut or Cancelled.
class SmtpTransport {
public:
    virtual ~SmtpTransport() = default;

    // Opens the connection, encrypted from the start when `tls`.
    virtual SmtpStatus Connect(const std::string& host, uint16_t port, bool tls) = 0;
    virtual bool Connected() const = 0;
    // Sends `line` followed by CR LF. A `secret` line carries a password:
    // whatever logs the dialogue masks it.
    virtual void WriteLine(std::string_view line, bool secret = false) = 0;
    // The next line of the server, without its line end; a line longer than
    // the transport takes is cut there.
    virtual SmtpLine ReadLine() = 0;
    // Turns the open connection into a TLS one (after the server's 220 to
    // STARTTLS).
    virtual SmtpStatus StartTls() = 0;
    virtual void Close() = 0;
};

} // namespace maprune
