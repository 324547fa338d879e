// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/main_window.h"
#include "config/ui/program_settings.h"
#include "core/program_path.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Oskel");
    QApplication::setApplicationName("Maprune");
    maprune::SetProgramPath(QCoreApplication::applicationFilePath().toStdU16String());
    maprune::ProgramSettings settings;
    maprune::TMainWindow window;
    window.show();
    return QApplication::exec();
}
