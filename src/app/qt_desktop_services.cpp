// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_desktop_services.h"

#include <QDesktopServices>
#include <QUrl>

namespace maprune {

bool QtDesktopServices::OpenUrl(const std::string& url)
{
    // The URL is percent-encoded already; Qt must not encode it again.
    return QDesktopServices::openUrl(
        QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode));
}

} // namespace maprune
