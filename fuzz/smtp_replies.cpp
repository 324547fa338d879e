// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as what an SMTP server answers, line by line.
// The dialogue must end in the mail sent or in its Error, never crash, hang
// or hold more than it was given.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/error.h"
#include "model/lines.h"
#include "orders/smtp_session.h"
#include "orders/smtp_transport.h"

namespace {

class FuzzedServer : public maprune::SmtpTransport {
public:
    explicit FuzzedServer(std::vector<std::string> lines)
        : FLines(std::move(lines))
    {
    }
    maprune::SmtpStatus Connect(const std::string&, uint16_t, bool) override
    {
        return maprune::SmtpStatus::Ok;
    }
    bool Connected() const override { return true; }
    void WriteLine(std::string_view, bool) override {}
    maprune::SmtpLine ReadLine() override
    {
        if (FNext >= FLines.size())
            return { maprune::SmtpStatus::Failed, {} };
        return { maprune::SmtpStatus::Ok, FLines[FNext++] };
    }
    maprune::SmtpStatus StartTls() override { return maprune::SmtpStatus::Ok; }
    void Close() override {}

private:
    std::vector<std::string> FLines;
    size_t FNext = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FuzzedServer server(maprune::SplitLines(bytes.size() > 1 ? bytes.substr(1) : std::string()));
    maprune::SmtpOptions options;
    options.Server = "localhost";
    // The first byte chooses the login, the security and an 8-bit body.
    const uint8_t mode = size > 0 ? data[0] : 0;
    if ((mode & 1u) != 0) {
        options.Login = "ich";
        options.Password = "geheim";
    }
    options.Security = static_cast<maprune::MailSecurity>((mode >> 1) % 3);
    maprune::OrderMail mail;
    mail.SenderName = "Partei 1";
    mail.SenderAddress = "ich@example.org";
    mail.Recipients = { "befehle@example.org" };
    mail.Body = { "PARTEI 1", (mode & 8u) != 0 ? "B\xe4ume" : ".punkt", "NAECHSTER" };
    try {
        maprune::SendMail(server, options, mail);
    } catch (const maprune::Error&) {
    }
    return 0;
}
