// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace maprune {

// What the core asks of the desktop beyond message boxes: opening a URL
// ("mailto:" opens the user's mail program). The GUI hands it to Qt's
// desktop services; tests record it.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    // Returns whether the desktop took the URL.
    virtual bool OpenUrl(const std::string& url) = 0;
};

} // namespace maprune
