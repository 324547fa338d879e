// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

namespace maprune {

TMainWindow::TMainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainWindow");
    setWindowTitle(QStringLiteral("Maprune - (kein Report geladen)"));
    resize(1024, 768);
}

} // namespace maprune
