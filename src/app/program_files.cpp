// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_files.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "core/install_layout.h"
#include "core/program_path.h"
#include "document/path_text.h"

namespace maprune {

namespace {

bool CanCreateFileIn(const std::filesystem::path& folder)
{
    // Asking for permissions is not enough: on Windows a protected program
    // folder may report write access that the system then virtualises.
    QTemporaryFile probe(QDir(ToQString(folder)).filePath(QStringLiteral("maprune-probe-XXXXXX")));
    return probe.open();
}

} // namespace

ProgramFiles ProgramFiles::In(
    const std::filesystem::path& folder, const std::filesystem::path& program)
{
    const std::filesystem::path base = folder / program.filename().stem();
    auto with = [&base](const char* extension) {
        std::filesystem::path file = base;
        file += extension;
        return file;
    };
    return ProgramFiles { with(".kdf"), with(".bnd"), with(".log") };
}

std::filesystem::path WritableFolder(
    const std::filesystem::path& program, const std::filesystem::path& fallback)
{
    const std::filesystem::path beside = program.parent_path();
    if (!beside.empty() && !RunsFromInstalledTree(program) && CanCreateFileIn(beside))
        return beside;
    QDir().mkpath(ToQString(fallback));
    return fallback;
}

ProgramFiles DesktopProgramFiles()
{
    const std::filesystem::path appData
        = ToPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return ProgramFiles::In(WritableFolder(ProgramPath(), appData), ProgramPath());
}

} // namespace maprune
