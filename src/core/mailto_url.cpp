// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mailto_url.h"

namespace maprune {
namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         c == '-' || c == '.' || c == '_' || c == '~';
}

// Keeps the characters that need no escape in that part; "@" is part of
// every address and harmless in a subject.
void AppendEncoded(std::string& url, std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  for (unsigned char c : text) {
    if (IsUnreserved(c) || c == '@') {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 0x0F];
    }
  }
}

}  // namespace

std::string MailtoUrl(std::string_view address, std::string_view subject) {
  std::string url = "mailto:";
  AppendEncoded(url, address);
  if (!subject.empty()) {
    url += "?subject=";
    AppendEncoded(url, subject);
  }
  return url;
}

}  // namespace maprune
