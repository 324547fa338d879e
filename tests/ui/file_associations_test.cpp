// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "config/ui/file_associations.h"
#include "core/error.h"

using namespace maprune;

// Runs with the user's folders moved into a temporary one, so that the
// tester's own desktop is never touched.
class FileAssociationsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home;
    QByteArray path;

    std::unique_ptr<FileAssociations> Associations()
    {
        return CreateDesktopFileAssociations(QCoreApplication::applicationFilePath());
    }

private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        QSKIP("associations on Windows live in the user's registry");
#endif
        QVERIFY(home.isValid());
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        path = qgetenv("PATH");
    }

    void cleanup()
    {
        qputenv("PATH", path);
    }

    void withoutTheDesktopToolNothingIsAssociatedAndChangingSaysWhy()
    {
        QTemporaryDir empty;
        qputenv("PATH", empty.path().toUtf8());
        auto associations = Associations();
        QVERIFY(!associations->IsAssociated(QStringLiteral("kdf")));
        QVERIFY(!associations->IsAssociated(QStringLiteral("cr")));
        try {
            associations->SetAssociated(QStringLiteral("kdf"), true);
            QFAIL("no error");
        } catch (const Error& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("\"xdg-mime\"")));
        }
    }

    void associatingAndDissociatingWithTheDesktopTool()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
            QSKIP("xdg-mime (xdg-utils) is not installed");
        auto associations = Associations();
        const QString entry = home.filePath("data/applications/oskel-maprune.desktop");

        associations->SetAssociated(QStringLiteral("kdf"), true);
        QVERIFY(associations->IsAssociated(QStringLiteral("kdf")));
        QVERIFY(!associations->IsAssociated(QStringLiteral("cr")));
        associations->SetAssociated(QStringLiteral("cr"), true);
        QVERIFY(associations->IsAssociated(QStringLiteral("cr")));

        associations->SetAssociated(QStringLiteral("kdf"), false);
        QVERIFY(!associations->IsAssociated(QStringLiteral("kdf")));
        QVERIFY(associations->IsAssociated(QStringLiteral("cr")));
        QVERIFY(QFile::exists(entry));

        associations->SetAssociated(QStringLiteral("cr"), false);
        QVERIFY(!associations->IsAssociated(QStringLiteral("cr")));
        QVERIFY(!QFile::exists(entry));
    }

    void theTypesAreThoseThePackageInstalls()
    {
        QFile mime(QStringLiteral(MAPRUNE_DESKTOP_DIR "/maprune-mime.xml"));
        QFile desktop(QStringLiteral(MAPRUNE_DESKTOP_DIR "/maprune.desktop"));
        QVERIFY(mime.open(QIODevice::ReadOnly) && desktop.open(QIODevice::ReadOnly));
        const QString mimeText = QString::fromUtf8(mime.readAll());
        const QString desktopText = QString::fromUtf8(desktop.readAll());
        for (const AssociableFileType& type : AssociableFileTypes()) {
            QVERIFY2(mimeText.contains(QStringLiteral("type=\"%1\"").arg(type.mimeType)),
                qPrintable(type.mimeType));
            QVERIFY2(desktopText.contains(type.mimeType + ';'), qPrintable(type.mimeType));
            QVERIFY(mimeText.contains(QStringLiteral("\"*.%1\"").arg(type.extension)));
        }
    }

    void withThePackageInstalledTheUserDefinesNoTypeAgain()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty())
            QSKIP("xdg-mime (xdg-utils) is not installed");
        QTemporaryDir system;
        QVERIFY(QDir().mkpath(system.filePath("mime/packages")));
        QVERIFY(QFile::copy(QStringLiteral(MAPRUNE_DESKTOP_DIR "/maprune-mime.xml"),
            system.filePath("mime/packages/maprune.xml")));
        const QByteArray dirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", system.path().toUtf8() + ":/usr/share");
        auto associations = Associations();

        associations->SetAssociated(QStringLiteral("cr"), true);
        QVERIFY(associations->IsAssociated(QStringLiteral("cr")));
        QVERIFY(!QFile::exists(home.filePath("data/mime/packages/oskel-maprune-cr.xml")));
        associations->SetAssociated(QStringLiteral("cr"), false);
        QVERIFY(!associations->IsAssociated(QStringLiteral("cr")));
        qputenv("XDG_DATA_DIRS", dirs);
    }
};

QTEST_GUILESS_MAIN(FileAssociationsTest)
#include "file_associations_test.moc"
