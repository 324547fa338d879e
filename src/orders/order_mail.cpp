// SPDX-License-Identifier: GPL-3.0-or-later
#include "orders/order_mail.h"

#include "config/order_mail_target.h"
#include "config/settings.h"
#include "core/model_text.h"
#include "core/text_encoding.h"
#include "model/party.h"
#include "model/report.h"
#include "orders/mail_coding.h"

namespace maprune {

namespace {

std::string Joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty())
            out += separator;
        out += part;
    }
    return out;
}

bool ValidUtf8Lines(const TextLines& lines)
{
    for (const std::string& line : lines) {
        if (!IsValidUtf8(line))
            return false;
    }
    return true;
}

} // namespace

OrderMail OrderMailFor(const TReport& report, const TSettings& settings, TextLines orderFile)
{
    OrderMail mail;
    mail.SenderName = "Partei " + std::to_string(report.ActiveParty);
    const TParty* party = report.FindParty(report.ActiveParty);
    mail.SenderAddress = party != nullptr ? DisplayText(party->EMail) : kPlaceholderSender;
    const OrderMailTarget target = ChooseOrderMailTarget(settings, report);
    if (!target.Address.empty())
        mail.Recipients = { target.Address };
    mail.Subject = target.Subject;
    mail.Body = std::move(orderFile);
    return mail;
}

std::string RecipientAddress(const std::string& recipient)
{
    const size_t open = recipient.find('<');
    if (open != std::string::npos) {
        const size_t close = recipient.find('>', open + 1);
        return recipient.substr(open + 1, close == std::string::npos ? close : close - open - 1);
    }
    const size_t colon = recipient.find(':');
    return colon != std::string::npos ? recipient.substr(colon + 1) : recipient;
}

TextLines MailLines(const OrderMail& mail, BodyEncoding encoding)
{
    TextLines lines;
    lines.push_back("From: " + OneLine(HeaderText(mail.SenderName)) + "<"
        + OneLine(mail.SenderAddress) + ">");
    lines.push_back("To: " + OneLine(Joined(mail.Recipients, ",")));
    if (!mail.Subject.empty())
        lines.push_back("Subject: " + OneLine(HeaderText(mail.Subject)));
    lines.push_back("X-Mailer: " + OneLine(mail.Mailer));
    lines.push_back("Mime-Version: 1.0");
    if (encoding == BodyEncoding::Ascii) {
        lines.push_back("Content-Type: text/plain; charset=us-ascii");
    } else {
        // 8-bit text of the program is Windows-1252 (the euro sign is 0x80),
        // which ISO-8859-1 would misname.
        const char* charset = ValidUtf8Lines(mail.Body) ? "UTF-8" : "windows-1252";
        lines.push_back(std::string("Content-Type: text/plain; charset=") + charset);
        lines.push_back(std::string("Content-Transfer-Encoding: ")
            + (encoding == BodyEncoding::EightBit ? "8bit" : "quoted-printable"));
    }
    lines.push_back("");
    lines.push_back("");
    for (const std::string& line : mail.Body) {
        if (encoding == BodyEncoding::QuotedPrintable) {
            for (std::string& encoded : QuotedPrintableLines(line))
                lines.push_back(std::move(encoded));
        } else {
            lines.push_back(line);
        }
    }
    return lines;
}

} // namespace maprune
