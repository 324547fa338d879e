// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/file_chooser.h"
#include "app/german_translations.h"
#include "app/main_window.h"
#include "app/program_files.h"
#include "app/qt_dialogs.h"
#include "archive/archive_support.h"
#include "config/ui/program_settings.h"
#include "core/program_path.h"
#include "map/hex_geometry.h"
#include "map/ui/render/map_pictures.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Oskel");
    QApplication::setApplicationName("Maprune");
    // Desktops take the icon and name of the window from the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("maprune"));
    maprune::InstallGermanTranslations(app);
    maprune::SetProgramPath(QCoreApplication::applicationFilePath().toStdU16String());
    const maprune::ArchiveSupport archives;
    maprune::ProgramSettings settings;
    maprune::QtDialogs dialogs;
    maprune::QtFileChooser files;
    // The layout is read once: pictures and map geometry go together.
    const maprune::TMapPictures pictures(
        maprune::LayoutFromSetting(settings.Settings().KelvaranLayout.Get()),
        maprune::DefaultPictureFolders());
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    maprune::TMainWindow window({ .Settings = settings.Settings(),
        .Store = settings.Store(),
        .Messages = dialogs,
        .Files = files,
        .Paths = maprune::DesktopProgramFiles(),
        .Arguments = arguments,
        .Shifts = nullptr,
        .Pictures = &pictures,
        .Associations = {} });
    dialogs.SetParent(&window);
    // Maximised on a first start, else as the last run left it.
    window.show();
    return QApplication::exec();
}
