// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "orders/text_lines.h"

namespace maprune {

class TReport;
class TSettings;

inline constexpr const char* kOrderMailer = "Maprune order mail daemon";
// The sender when no party is active (the order file is empty then).
inline constexpr const char* kPlaceholderSender = "maprune@localhost";

// The express mail of the order file. Texts are UTF-8 except the body,
// which holds the order file's bytes (the report's character set).
struct OrderMail {
    std::string SenderName; // "Partei " and the active party's number
    std::string SenderAddress; // its EMail
    std::vector<std::string> Recipients;
    std::string Subject;
    std::string Mailer = kOrderMailer;
    TextLines Body;
};

// The mail of `orderFile` for the active party of `report`, to the order
// address and with the subject of the settings (ChooseOrderMailTarget).
OrderMail OrderMailFor(const TReport& report, const TSettings& settings, TextLines orderFile);

// How the body travels.
enum class BodyEncoding {
    Ascii, // "us-ascii", no Content-Transfer-Encoding: the classic mail
    EightBit, // 8-bit bytes to a server that offered 8BITMIME
    QuotedPrintable, // 8-bit bytes to any other server
};

// The address that RCPT TO names: the part between "<" and ">" when the
// recipient holds a "<", else what follows a ":", else the whole text.
std::string RecipientAddress(const std::string& recipient);

// The mail as it goes after DATA, line by line without line ends and before
// dot-stuffing: the header lines (From, To, Subject when not empty, X-Mailer,
// Mime-Version, Content-Type and, for 8-bit bodies, the charset of the body
// (UTF-8 when its bytes are valid UTF-8, else windows-1252) and its
// Content-Transfer-Encoding), two empty lines, the body.
TextLines MailLines(const OrderMail& mail, BodyEncoding encoding);

} // namespace maprune
