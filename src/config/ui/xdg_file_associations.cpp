// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ui/file_associations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/error.h"
#include "core/install_layout.h"

namespace maprune {

namespace {

const QString kTool = QStringLiteral("xdg-mime");
// xdg-mime wants a vendor prefix on the files it installs.
const QString kDesktopId = QStringLiteral("oskel-maprune.desktop");
// What the installed package puts into the system's data folders.
const QString kPackageDesktopId = QStringLiteral("maprune.desktop");
const QString kPackageMimeFile = QStringLiteral("mime/packages/maprune.xml");

const AssociableFileType* FindType(const QString& extension)
{
    for (const AssociableFileType& type : AssociableFileTypes()) {
        if (type.extension == extension)
            return &type;
    }
    return nullptr;
}

QString PackageName(const AssociableFileType& type)
{
    return QStringLiteral("oskel-maprune-%1.xml").arg(type.extension);
}

QString PackageText(const AssociableFileType& type)
{
    return QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"%1\">\n"
        "    <comment>%2</comment>\n"
        "    <glob pattern=\"*.%3\" weight=\"60\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n")
        .arg(type.mimeType, type.description, type.extension);
}

// The program as first word of an Exec line. xdg-mime takes that word as it
// stands to check that the program exists, so quoting is kept to paths that
// need it.
QString ExecProgram(const QString& path)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted;
    for (const QChar c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    // The desktop file's own escapes come on top of the quoting.
    quoted.replace('\\', QStringLiteral("\\\\"));
    quoted.replace('%', QStringLiteral("%%"));
    return '"' + quoted + '"';
}

void WriteFile(const QString& fileName, const QString& text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw Error(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.")
                        .arg(fileName)
                        .toStdString());
}

class XdgFileAssociations final : public FileAssociations {
public:
    explicit XdgFileAssociations(QString programPath)
        : FProgram(std::move(programPath))
    {
    }

    bool IsAssociated(const QString& extension) override
    {
        const AssociableFileType* type = FindType(extension);
        if (!type || ToolPath().isEmpty()
            || !(TypesKnownFromPackage() || QFile::exists(InstalledPackage(*type))))
            return false;
        try {
            return Run({ QStringLiteral("query"), QStringLiteral("default"), type->mimeType })
                       .trimmed()
                == DesktopId();
        } catch (const Error&) {
            return false;
        }
    }

    void SetAssociated(const QString& extension, bool associated) override
    {
        const AssociableFileType* type = FindType(extension);
        if (!type)
            throw Error("Unbekannter Dateityp: " + extension.toStdString());
        if (ToolPath().isEmpty())
            throw Error("Dateizuordnungen können nicht geändert werden: das Programm "
                        "\"xdg-mime\" (Paket xdg-utils) wurde nicht gefunden.");

        QTemporaryDir scratch;
        if (!scratch.isValid())
            throw Error("Dateizuordnungen können nicht geändert werden: kein temporärer Ordner ("
                + scratch.errorString().toStdString() + ").");
        const QString package = scratch.filePath(PackageName(*type));
        WriteFile(package, PackageText(*type));
        QStringList mimeTypes = DesktopEntryMimeTypes();
        mimeTypes.removeAll(type->mimeType);
        if (associated) {
            // The installed package defines the types already: the user's
            // own definition would register each a second time.
            if (!TypesKnownFromPackage())
                Run({ QStringLiteral("install"), QStringLiteral("--mode"), QStringLiteral("user"),
                    package });
            mimeTypes.append(type->mimeType);
            if (!UsesPackageEntry())
                WriteDesktopEntry(mimeTypes);
            Run({ QStringLiteral("default"), DesktopId(), type->mimeType });
        } else {
            if (QFile::exists(InstalledPackage(*type)))
                Run({ QStringLiteral("uninstall"), QStringLiteral("--mode"), QStringLiteral("user"),
                    package });
            WriteDesktopEntry(UsesPackageEntry() ? QStringList {} : mimeTypes);
        }
    }

private:
    static QString ToolPath() { return QStandardPaths::findExecutable(kTool); }

    static QString DataFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    }

    // A file of the system's data folders, not the user's; empty when none.
    static QString SystemDataFile(const QString& name)
    {
        for (const QString& folder :
            QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
            if (folder != DataFolder() && QFile::exists(folder + '/' + name))
                return folder + '/' + name;
        }
        return {};
    }

    static bool TypesKnownFromPackage() { return !SystemDataFile(kPackageMimeFile).isEmpty(); }

    // The installed program opens files through the package's own entry.
    bool UsesPackageEntry() const
    {
        return RunsFromInstalledTree(FProgram.toStdU16String())
            && !SystemDataFile(QStringLiteral("applications/") + kPackageDesktopId).isEmpty();
    }

    QString DesktopId() const { return UsesPackageEntry() ? kPackageDesktopId : kDesktopId; }

    static QString InstalledPackage(const AssociableFileType& type)
    {
        return DataFolder() + QStringLiteral("/mime/packages/") + PackageName(type);
    }

    static QString DesktopEntry()
    {
        return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) + '/'
            + kDesktopId;
    }

    // Runs xdg-mime and returns what it printed; throws Error when it fails.
    static QString Run(const QStringList& arguments)
    {
        QProcess process;
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(ToolPath(), arguments);
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            throw Error("Das Programm \"xdg-mime\" konnte nicht ausgeführt werden.");
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            const QString reason = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
            throw Error(
                QStringLiteral("xdg-mime %1 ist fehlgeschlagen: %2")
                    .arg(arguments.first(),
                        reason.isEmpty() ? QStringLiteral("Rückgabewert %1").arg(process.exitCode())
                                         : reason)
                    .toStdString());
        }
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    static QStringList DesktopEntryMimeTypes()
    {
        QFile file(DesktopEntry());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("MimeType="))
                return QString::fromUtf8(line.mid(9)).split(';', Qt::SkipEmptyParts);
        }
        return {};
    }

    // Writes the entry for `mimeTypes`, or removes it when there are none.
    void WriteDesktopEntry(const QStringList& mimeTypes) const
    {
        if (mimeTypes.isEmpty()) {
            QFile::remove(DesktopEntry());
            return;
        }
        QDir().mkpath(QFileInfo(DesktopEntry()).absolutePath());
        WriteFile(DesktopEntry(),
            QStringLiteral("[Desktop Entry]\n"
                           "Type=Application\n"
                           "Name=Maprune\n"
                           "Comment=Karte und Zugplanung für Kelvaran\n"
                           "Exec=%1 %f\n"
                           "Terminal=false\n"
                           "NoDisplay=true\n"
                           "MimeType=%2;\n")
                .arg(ExecProgram(FProgram), mimeTypes.join(';')));
    }

    QString FProgram;
};

} // namespace

std::unique_ptr<FileAssociations> CreateDesktopFileAssociations(const QString& programPath)
{
    return std::make_unique<XdgFileAssociations>(programPath);
}

} // namespace maprune
