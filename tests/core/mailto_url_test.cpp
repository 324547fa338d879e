// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mailto_url.h"

#include <gtest/gtest.h>

namespace maprune {
namespace {

TEST(MailtoUrl, EncodesEverythingThatCouldOpenAnotherField) {
  struct Case {
    const char* address;
    const char* subject;
    const char* url;
  };
  const Case cases[] = {
      {"a.b@host.de", "Kelvaran", "mailto:a.b@host.de?subject=Kelvaran"},
      {"x@y", "Kelvaran - Einheit 1u8", "mailto:x@y?subject=Kelvaran%20-%20Einheit%201u8"},
      {"x@y?cc=boss@z&bcc=w", "a#b", "mailto:x@y%3Fcc%3Dboss@z%26bcc%3Dw?subject=a%23b"},
      {"x@y", "Spiel\r\nBcc: w", "mailto:x@y?subject=Spiel%0D%0ABcc%3A%20w"},
      {"x@y", "M\xC3\xBChle", "mailto:x@y?subject=M%C3%BChle"},
      {"x@y", "", "mailto:x@y"},
  };
  for (const Case& c : cases) EXPECT_EQ(MailtoUrl(c.address, c.subject), c.url) << c.address;
}

}  // namespace
}  // namespace maprune
