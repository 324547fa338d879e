// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace maprune {

// "mailto:" + address + "?subject=" + subject, both percent-encoded byte by
// byte: the texts come from reports, and a "&", "?", "#" or blank in them
// must not open further URL fields. Both texts are expected in UTF-8; an
// empty subject leaves the field out.
std::string MailtoUrl(std::string_view address, std::string_view subject);

}  // namespace maprune
