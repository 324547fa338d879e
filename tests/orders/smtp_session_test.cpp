// SPDX-License-Identifier: GPL-3.0-or-later
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/error.h"
#include "orders/mail_coding.h"
#include "orders/smtp_session.h"
#include "orders/smtp_transport.h"

namespace maprune::test {
namespace {

// The server's side from a script: each read takes the next line; a line
// "!timeout" or "!closed" stands for that failure. Remembers what the client
// wrote.
class ScriptedTransport : public SmtpTransport {
public:
    std::deque<std::string> server;
    std::vector<std::string> written;
    SmtpStatus connectStatus = SmtpStatus::Ok;
    bool connected = false;
    bool tls = false;
    bool closed = false;

    SmtpStatus Connect(const std::string&, uint16_t, bool useTls) override
    {
        connected = connectStatus == SmtpStatus::Ok;
        tls = useTls;
        return connectStatus;
    }
    bool Connected() const override { return connected; }
    void WriteLine(std::string_view line, bool) override { written.emplace_back(line); }
    SmtpLine ReadLine() override
    {
        if (server.empty() || server.front() == "!closed")
            return { SmtpStatus::Failed, {} };
        std::string line = server.front();
        server.pop_front();
        if (line == "!timeout")
            return { SmtpStatus::TimedOut, {} };
        return { SmtpStatus::Ok, line };
    }
    SmtpStatus StartTls() override
    {
        written.emplace_back("<tls>");
        return SmtpStatus::Ok;
    }
    void Close() override { closed = true; }
};

OrderMail Mail(TextLines body = { "PARTEI a", ".hinter dem Punkt", "NAECHSTER" })
{
    OrderMail mail;
    mail.SenderName = "Partei 10";
    mail.SenderAddress = "ich@example.org";
    mail.Recipients = { "Befehle <befehle@kelvaran.de>" };
    mail.Subject = "kelvaran befehle";
    mail.Body = std::move(body);
    return mail;
}

SmtpOptions Options()
{
    SmtpOptions options;
    options.Server = "smtp.example.org";
    options.HeloName = "spieler";
    return options;
}

std::string SendAndFail(ScriptedTransport& transport, const SmtpOptions& options,
    const OrderMail& mail)
{
    try {
        SendMail(transport, options, mail);
    } catch (const Error& e) {
        return e.what();
    }
    return "(gesendet)";
}

TEST(SmtpSession, ClassicDialogueInItsOrder)
{
    ScriptedTransport transport;
    transport.server = { "220-smtp.example.org", "220-noch eine Zeile", "220 bereit", "250 hallo",
        "250 ok", "250 ok", "550 kenne ich nicht", "354 los", "250 angenommen", "221 tschuess" };
    std::vector<SmtpStep> steps;
    SendMail(transport, Options(), Mail(), [&](SmtpStep step) { steps.push_back(step); });
    EXPECT_EQ(transport.written,
        (std::vector<std::string> { "HELO spieler", "RSET", "MAIL FROM:<ich@example.org>",
            "RCPT TO:<befehle@kelvaran.de>", "DATA", "From: Partei 10<ich@example.org>",
            "To: Befehle <befehle@kelvaran.de>", "Subject: kelvaran befehle",
            "X-Mailer: Maprune order mail daemon", "Mime-Version: 1.0",
            "Content-Type: text/plain; charset=us-ascii", "", "", "PARTEI a",
            "..hinter dem Punkt", "NAECHSTER", ".", "QUIT" }));
    EXPECT_TRUE(transport.server.empty());
    EXPECT_TRUE(transport.closed);
    EXPECT_EQ(steps.front(), SmtpStep::Connect);
    EXPECT_EQ(steps.back(), SmtpStep::Quit);
}

TEST(SmtpSession, EveryFailureEndsWithItsMessage)
{
    struct Case {
        std::deque<std::string> Server;
        std::string Message;
        std::string LastWritten;
    };
    const std::string ok = "250 ok";
    const Case cases[] = {
        { { "220 da", "550 wer bist du" }, kHelloFailedMessage, "HELO spieler" },
        { { "220 da", ok, ok, "451-nicht jetzt", "451 morgen" }, "451-nicht jetzt\n451 morgen",
            "MAIL FROM:<ich@example.org>" },
        { { "220 da", ok, "500 RSET?" }, "500 RSET?", "RSET" },
        { { "220 da", ok, ok, ok, ok, "421 voll" }, "421 voll", "DATA" },
        { { "220 da", ok, ok, ok, ok, "354 los", "552 zu gross" }, "552 zu gross", "." },
        { { "220 da", ok, ok, ok, ok, "354 los", ok, "500 nein" }, "500 nein", "QUIT" },
        { { "220 da", ok, ok, ok, ok, "354 los", "354 noch mehr" }, "354 noch mehr", "." },
        { { "220 da", "hallo" },
            "Fehler beim Senden der EMail: ungültige Antwort des Servers (bei HELO/EHLO): hallo",
            "HELO spieler" },
        { { "220 da", ok, ok, ok, ok, "354 los", "650 ok" },
            "Fehler beim Senden der EMail: ungültige Antwort des Servers (bei Nachricht): 650 ok",
            "." },
        { { "220 da", ok, "250-ok", "251 anders" },
            "Fehler beim Senden der EMail: ungültige Antwort des Servers (bei RSET): 251 anders",
            "RSET" },
        { { "220 da", "250 " + std::string(600, 'x') },
            "Fehler beim Senden der EMail: ungültige Antwort des Servers (bei HELO/EHLO): 250 "
                + std::string(76, 'x') + "…",
            "HELO spieler" },
        { { "554 geh weg" }, "554 geh weg", "" },
        { { "220 da", ok, "!timeout" },
            "Fehler beim Senden der EMail: der Server antwortet nicht (Zeitüberschreitung bei "
            "RSET).",
            "RSET" },
        { { "220 da", ok, "!closed" },
            "Fehler beim Senden der EMail: der Server hat die Verbindung getrennt (bei RSET).",
            "RSET" },
    };
    for (const Case& c : cases) {
        ScriptedTransport transport;
        transport.server = c.Server;
        EXPECT_EQ(SendAndFail(transport, Options(), Mail()), c.Message);
        EXPECT_EQ(transport.written.empty() ? "" : transport.written.back(), c.LastWritten)
            << c.Message;
        EXPECT_TRUE(transport.closed);
    }

    SmtpOptions nameless = Options();
    nameless.HeloName.clear();
    ScriptedTransport anonymous;
    anonymous.server = { "220 da", "550 wer bist du" };
    SendAndFail(anonymous, nameless, Mail());
    EXPECT_EQ(anonymous.written.front(), "HELO localhost");

    ScriptedTransport refused;
    refused.connectStatus = SmtpStatus::Failed;
    EXPECT_EQ(SendAndFail(refused, Options(), Mail()), kConnectFailedMessage);

    OrderMail noSender = Mail();
    noSender.SenderAddress = "\r\n";
    ScriptedTransport incomplete;
    incomplete.server = { "220 da", ok };
    EXPECT_EQ(SendAndFail(incomplete, Options(), noSender), kHeaderIncompleteMessage);
    EXPECT_EQ(incomplete.written.back(), "HELO spieler") << "nothing after the header check";
}

TEST(SmtpSession, EightBitBodiesDeclareTheirCharset)
{
    struct Case {
        std::string Body;
        std::string Extension;
        std::string ContentType;
        std::string Encoding;
        std::string From;
        std::string Line;
    };
    const Case cases[] = {
        { "Bäume", "250 8BITMIME", "Content-Type: text/plain; charset=UTF-8",
            "Content-Transfer-Encoding: 8bit", "MAIL FROM:<ich@example.org> BODY=8BITMIME",
            "Bäume" },
        { "Bäume", "250 SIZE 1000", "Content-Type: text/plain; charset=UTF-8",
            "Content-Transfer-Encoding: quoted-printable", "MAIL FROM:<ich@example.org>",
            "B=C3=A4ume" },
        { "B\xe4ume =", "250 8BITMIME", "Content-Type: text/plain; charset=windows-1252",
            "Content-Transfer-Encoding: 8bit", "MAIL FROM:<ich@example.org> BODY=8BITMIME",
            "B\xe4ume =" },
        { "5 \x80", "250 SIZE 1000", "Content-Type: text/plain; charset=windows-1252",
            "Content-Transfer-Encoding: quoted-printable", "MAIL FROM:<ich@example.org>", "5 =80" },
    };
    for (const Case& c : cases) {
        ScriptedTransport transport;
        transport.server = { "220 da", "250-hallo", c.Extension, "250 ok", "250 ok", "250 ok",
            "354 los", "250 ok", "221 bye" };
        SendMail(transport, Options(), Mail({ c.Body }));
        const auto& w = transport.written;
        EXPECT_EQ(w[0], "EHLO spieler");
        EXPECT_EQ(w[2], c.From);
        EXPECT_NE(std::find(w.begin(), w.end(), c.ContentType), w.end()) << c.Extension;
        EXPECT_NE(std::find(w.begin(), w.end(), c.Encoding), w.end()) << c.Extension;
        EXPECT_EQ(w[w.size() - 3], c.Line);
    }
}

TEST(SmtpSession, StartTlsAndLogin)
{
    SmtpOptions options = Options();
    options.Security = MailSecurity::StartTls;
    options.Login = "ich";
    options.Password = "geheim";
    ScriptedTransport transport;
    transport.server = { "220 da", "250-hallo", "250 STARTTLS", "220 los", "250-hallo",
        "250-AUTH LOGIN PLAIN", "250 8BITMIME", "235 willkommen", "250 ok", "250 ok", "250 ok",
        "354 los", "250 ok", "221 bye" };
    SendMail(transport, options, Mail());
    const std::vector<std::string> start(transport.written.begin(), transport.written.begin() + 6);
    EXPECT_EQ(start,
        (std::vector<std::string> { "EHLO spieler", "STARTTLS", "<tls>", "EHLO spieler",
            "AUTH PLAIN " + Base64(std::string("\0ich\0geheim", 11)), "RSET" }));
    EXPECT_FALSE(transport.tls) << "STARTTLS begins in the clear";

    options.Security = MailSecurity::Tls;
    ScriptedTransport login;
    login.server = { "220 da", "250-hallo", "250 AUTH LOGIN", "334 VXNlcm5hbWU6",
        "334 UGFzc3dvcmQ6", "535 falsch" };
    EXPECT_EQ(SendAndFail(login, options, Mail()),
        "Fehler beim Senden der EMail: Anmeldung am Server fehlgeschlagen: 535 falsch");
    EXPECT_TRUE(login.tls);
    EXPECT_EQ(login.written,
        (std::vector<std::string> { "EHLO spieler", "AUTH LOGIN", Base64("ich"), Base64("geheim") }));

    options.Security = MailSecurity::StartTls;
    ScriptedTransport noTls;
    noTls.server = { "220 da", "250 hallo" };
    EXPECT_EQ(SendAndFail(noTls, options, Mail()),
        "Fehler beim Senden der EMail: der Server bietet kein STARTTLS an.");
}

TEST(MailCoding, QuotedPrintableAndHeaders)
{
    EXPECT_EQ(QuotedPrintableLines("a = b "), (std::vector<std::string> { "a =3D b=20" }));
    const std::string longLine(80, 'x');
    const auto lines = QuotedPrintableLines(longLine);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(75, 'x') + "=");
    EXPECT_EQ(lines[1], std::string(5, 'x'));
    EXPECT_EQ(QuotedPrintableLines(""), (std::vector<std::string> { "" }));
    EXPECT_EQ(HeaderText("Befehle"), "Befehle");
    EXPECT_EQ(HeaderText("Bäume"), "=?UTF-8?B?QsOkdW1l?=");
    EXPECT_EQ(OneLine("a\r\nRCPT TO:<b>"), "aRCPT TO:<b>");
    EXPECT_EQ(Base64("ab"), "YWI=");
    EXPECT_EQ(RecipientAddress("x:y@z"), "y@z");
    EXPECT_EQ(RecipientAddress("plain@z"), "plain@z");
}

} // namespace
} // namespace maprune::test
