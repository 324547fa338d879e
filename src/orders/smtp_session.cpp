// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/smtp_session.h"

#include <algorithm>
#include <chrono>

#include "config/settings.h"
#include "core/error.h"
#include "core/text_encoding.h"
#include "orders/mail_coding.h"
#include "orders/smtp_transport.h"

namespace maprune {

namespace {

// A reply of more lines than this is no SMTP server talking.
constexpr size_t kMaxReplyLines = 1000;
// The longest reply line the protocol allows, without its line end.
constexpr size_t kMaxReplyLineLength = 510;

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

bool IsContinued(const std::string& line)
{
    return line.size() >= 4 && line[3] == '-';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The code that a reply line begins with: three digits, the first 2 to 5,
// then a blank, a hyphen or the line's end; 0 for a line of another form.
int ReplyCode(const std::string& line)
{
    if (line.size() < 3 || line.size() > kMaxReplyLineLength || line[0] < '2' || line[0] > '5'
        || !IsDigit(line[1]) || !IsDigit(line[2])
        || (line.size() > 3 && line[3] != ' ' && line[3] != '-'))
        return 0;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

bool IsPositive(const SmtpReply& reply)
{
    return reply.Code >= 200 && reply.Code <= 299;
}

class Dialogue {
public:
    Dialogue(SmtpTransport& transport, std::chrono::milliseconds timeout,
        const std::function<void(SmtpStep)>& onStep)
        : FTransport(transport)
        , FOnStep(onStep)
        , FTimeout(timeout)
        , FDeadline(std::chrono::steady_clock::now() + timeout)
    {
    }
    ~Dialogue() { FTransport.Close(); }
    Dialogue(const Dialogue&) = delete;
    Dialogue& operator=(const Dialogue&) = delete;

    void Begin(SmtpStep step)
    {
        FStep = step;
        if (FOnStep)
            FOnStep(step);
    }

    [[noreturn]] void Fail(SmtpStatus status, const std::string& failedMessage) const
    {
        if (status == SmtpStatus::Cancelled)
            throw Error(kSendCancelledMessage);
        if (status == SmtpStatus::TimedOut) {
            throw Error("Fehler beim Senden der EMail: der Server antwortet nicht "
                        "(Zeitüberschreitung bei "
                + SmtpStepName(FStep) + ").");
        }
        throw Error(failedMessage);
    }

    void Connect(const SmtpOptions& options)
    {
        Begin(SmtpStep::Connect);
        const SmtpStatus status = FTransport.Connect(
            options.Server, options.Port, options.Security == MailSecurity::Tls);
        if (status != SmtpStatus::Ok)
            Fail(status, kConnectFailedMessage);
    }

    // The next reply, every line of it checked: a line without a valid code,
    // with another code than the first, too long or one too many ends the
    // send, and so does the time of the whole dialogue running out, however
    // busily the server talks.
    SmtpReply Read()
    {
        SmtpReply reply;
        do {
            if (std::chrono::steady_clock::now() > FDeadline) {
                throw Error("Fehler beim Senden der EMail: der Dialog mit dem Server dauerte "
                            "länger als "
                    + std::to_string(FTimeout.count() / 1000) + " Sekunden (bei "
                    + SmtpStepName(FStep) + ").");
            }
            SmtpLine line = FTransport.ReadLine();
            if (line.Status != SmtpStatus::Ok) {
                Fail(line.Status,
                    "Fehler beim Senden der EMail: der Server hat die Verbindung getrennt (bei "
                        + SmtpStepName(FStep) + ").");
            }
            const int code = ReplyCode(line.Text);
            if (code == 0 || (reply.Code != 0 && code != reply.Code)
                || reply.Lines.size() == kMaxReplyLines)
                Invalid(line.Text);
            reply.Code = code;
            reply.Lines.push_back(std::move(line.Text));
        } while (IsContinued(reply.Lines.back()));
        return reply;
    }

    [[noreturn]] void Invalid(const std::string& line) const
    {
        constexpr size_t kShown = 80;
        throw Error("Fehler beim Senden der EMail: ungültige Antwort des Servers (bei "
            + SmtpStepName(FStep) + "): " + DisplayText(line.substr(0, kShown))
            + (line.size() > kShown ? "…" : ""));
    }

    SmtpReply Command(const std::string& line, bool secret = false)
    {
        FTransport.WriteLine(line, secret);
        return Read();
    }

    // Ends the send with the reply's own words when its code says no.
    static void Refused(const SmtpReply& reply) { throw Error(reply.Text()); }

    SmtpTransport& Transport() { return FTransport; }

private:
    SmtpTransport& FTransport;
    const std::function<void(SmtpStep)>& FOnStep;
    std::chrono::milliseconds FTimeout;
    std::chrono::steady_clock::time_point FDeadline;
    SmtpStep FStep = SmtpStep::Connect;
};

// The extensions an EHLO reply names ("8BITMIME", "AUTH PLAIN LOGIN"),
// upper case: the first line greets, each further one names one.
std::vector<std::string> Extensions(const SmtpReply& reply)
{
    std::vector<std::string> names;
    for (size_t i = 1; i < reply.Lines.size(); ++i)
        names.push_back(Upper(reply.Lines[i].size() > 4 ? reply.Lines[i].substr(4) : ""));
    return names;
}

bool Offers(const std::vector<std::string>& extensions, const std::string& name)
{
    return std::any_of(extensions.begin(), extensions.end(), [&](const std::string& line) {
        return line == name || line.rfind(name + ' ', 0) == 0;
    });
}

bool OffersAuth(const std::vector<std::string>& extensions, const std::string& mechanism)
{
    for (const std::string& line : extensions) {
        if (line.rfind("AUTH ", 0) == 0 || line.rfind("AUTH=", 0) == 0) {
            const std::string padded = ' ' + line.substr(5) + ' ';
            if (padded.find(' ' + mechanism + ' ') != std::string::npos)
                return true;
        }
    }
    return false;
}

std::vector<std::string> Hello(Dialogue& dialogue, const SmtpOptions& options, bool extended)
{
    dialogue.Begin(SmtpStep::Hello);
    // Servers refuse a greeting without a name, and the setting is empty
    // until the user fills it in.
    std::string name = OneLine(options.HeloName);
    if (name.empty())
        name = "localhost";
    if (extended) {
        const SmtpReply reply = dialogue.Command("EHLO " + name);
        if (reply.Code <= 299)
            return Extensions(reply);
        // An old server without EHLO still takes a plain mail.
        if (!options.Login.empty() || options.Security != MailSecurity::None)
            throw Error(kHelloFailedMessage);
    }
    if (dialogue.Command("HELO " + name).Code > 299)
        throw Error(kHelloFailedMessage);
    return {};
}

void StartTls(Dialogue& dialogue, const std::vector<std::string>& extensions)
{
    dialogue.Begin(SmtpStep::StartTls);
    if (!Offers(extensions, "STARTTLS"))
        throw Error("Fehler beim Senden der EMail: der Server bietet kein STARTTLS an.");
    const SmtpReply reply = dialogue.Command("STARTTLS");
    if (reply.Code != 220)
        Dialogue::Refused(reply);
    const SmtpStatus status = dialogue.Transport().StartTls();
    if (status != SmtpStatus::Ok) {
        dialogue.Fail(status,
            "Fehler beim Senden der EMail: die verschlüsselte Verbindung kam nicht zustande "
            "(Zertifikat?).");
    }
}

void Login(Dialogue& dialogue, const SmtpOptions& options, const std::vector<std::string>& extensions)
{
    dialogue.Begin(SmtpStep::Login);
    const std::string failed = "Fehler beim Senden der EMail: Anmeldung am Server fehlgeschlagen: ";
    SmtpReply reply;
    if (OffersAuth(extensions, "PLAIN") || !OffersAuth(extensions, "LOGIN")) {
        reply = dialogue.Command(
            "AUTH PLAIN " + Base64(std::string(1, '\0') + options.Login + '\0' + options.Password),
            true);
    } else {
        reply = dialogue.Command("AUTH LOGIN");
        if (reply.Code == 334)
            reply = dialogue.Command(Base64(options.Login), true);
        if (reply.Code == 334)
            reply = dialogue.Command(Base64(options.Password), true);
    }
    if (reply.Code != 235)
        throw Error(failed + reply.Text());
}

} // namespace

SmtpOptions SmtpOptionsFrom(const TSettings& settings)
{
    SmtpOptions options;
    options.Server = settings.Mail_Server.Get();
    // Stored values are loaded unchecked; one out of range gives the default.
    const int32_t port = settings.Mail_Port.Get();
    options.Port = port >= 1 && port <= 65535 ? static_cast<uint16_t>(port) : 25;
    const int32_t security = settings.Mail_Security.Get();
    options.Security = security >= 0 && security <= 2 ? static_cast<MailSecurity>(security)
                                                      : MailSecurity::None;
    options.HeloName = settings.Mail_Username.Get();
    options.Login = settings.Mail_Login.Get();
    // Each step may take a reply's time-out, the whole dialogue no more.
    options.DialogueTimeout = std::chrono::seconds(settings.Mail_Timeout.Get()) * kSmtpStepCount;
    return options;
}

std::string SmtpStepName(SmtpStep step)
{
    switch (step) {
    case SmtpStep::Connect:
        return "Verbindungsaufbau";
    case SmtpStep::Greeting:
        return "Begrüßung";
    case SmtpStep::Hello:
        return "HELO/EHLO";
    case SmtpStep::StartTls:
        return "STARTTLS";
    case SmtpStep::Login:
        return "Anmeldung";
    case SmtpStep::Reset:
        return "RSET";
    case SmtpStep::MailFrom:
        return "MAIL FROM";
    case SmtpStep::Recipient:
        return "RCPT TO";
    case SmtpStep::Data:
        return "DATA";
    case SmtpStep::Message:
        return "Nachricht";
    case SmtpStep::Quit:
        return "QUIT";
    }
    return {};
}

std::string SmtpReply::Text() const
{
    std::string text;
    for (const std::string& line : Lines) {
        if (!text.empty())
            text += '\n';
        text += DisplayText(line);
    }
    return text;
}

void SendMail(SmtpTransport& transport, const SmtpOptions& options, const OrderMail& mail,
    const std::function<void(SmtpStep)>& onStep)
{
    Dialogue dialogue(transport, options.DialogueTimeout, onStep);
    dialogue.Connect(options);
    dialogue.Begin(SmtpStep::Greeting);
    if (const SmtpReply greeting = dialogue.Read(); greeting.Code != 220)
        Dialogue::Refused(greeting);

    bool ascii = true;
    for (const std::string& line : mail.Body)
        ascii = ascii && IsPlainAscii(line);
    const bool secured = options.Security != MailSecurity::None;
    const bool extended = !options.Login.empty() || secured || !ascii;
    std::vector<std::string> extensions = Hello(dialogue, options, extended);
    if (options.Security == MailSecurity::StartTls) {
        StartTls(dialogue, extensions);
        extensions = Hello(dialogue, options, true);
    }
    if (!options.Login.empty())
        Login(dialogue, options, extensions);

    // The content is complete before the server hears of the mail.
    if (!transport.Connected())
        throw Error(kNotConnectedMessage);
    if (OneLine(mail.SenderAddress).empty() || mail.Recipients.empty())
        throw Error(kHeaderIncompleteMessage);
    const BodyEncoding encoding = ascii ? BodyEncoding::Ascii
        : Offers(extensions, "8BITMIME") ? BodyEncoding::EightBit
                                         : BodyEncoding::QuotedPrintable;
    const TextLines content = MailLines(mail, encoding);

    dialogue.Begin(SmtpStep::Reset);
    if (const SmtpReply reply = dialogue.Command("RSET"); !IsPositive(reply))
        Dialogue::Refused(reply);
    dialogue.Begin(SmtpStep::MailFrom);
    const std::string from = "MAIL FROM:<" + OneLine(mail.SenderAddress) + ">"
        + (encoding == BodyEncoding::EightBit ? " BODY=8BITMIME" : "");
    if (const SmtpReply reply = dialogue.Command(from); !IsPositive(reply))
        Dialogue::Refused(reply);
    dialogue.Begin(SmtpStep::Recipient);
    for (const std::string& recipient : mail.Recipients)
        dialogue.Command("RCPT TO:<" + OneLine(RecipientAddress(recipient)) + ">");
    dialogue.Begin(SmtpStep::Data);
    if (const SmtpReply reply = dialogue.Command("DATA"); reply.Code != 354)
        Dialogue::Refused(reply);

    dialogue.Begin(SmtpStep::Message);
    for (const std::string& line : content)
        transport.WriteLine(!line.empty() && line[0] == '.' ? '.' + line : line);
    // Only a positive reply to the mail's end means that the server took it.
    if (const SmtpReply reply = dialogue.Command("."); !IsPositive(reply))
        Dialogue::Refused(reply);
    dialogue.Begin(SmtpStep::Quit);
    if (const SmtpReply reply = dialogue.Command("QUIT"); reply.Code >= 340)
        Dialogue::Refused(reply);
}

} // namespace maprune
