// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/desktop_services.h"

namespace maprune {

// DesktopServices through QDesktopServices (the desktop's mail program for
// "mailto:").
class QtDesktopServices final : public DesktopServices {
public:
    bool OpenUrl(const std::string& url) override;
};

} // namespace maprune
