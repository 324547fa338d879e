// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "config/recent_files.h"
#include "config/settings.h"
#include "config/ui/qsettings_store.h"
#include "core/error.h"

using namespace maprune;

namespace {

const std::string kKey = kSettingsKey;

QString FileText(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class QSettingsStoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString File(const QString& name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // The per-user store must land in this folder, not in the tester's own settings.
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    }

    void valuesKeepTheirTypeAcrossInstances()
    {
        const QString file = File("types.conf");
        const std::string bytes("\0\0\0\0\0\0\xE0\xBF", 8);
        {
            QSettingsStore store(file);
            QVERIFY(store.Write(kKey, "Zahl", StoredValue::Integer(-7)));
            QVERIFY(store.Write(kKey, "Text", StoredValue::String("@Grüße, \"Welt\"\\")));
            QVERIFY(store.Write(kKey, "Ziffern", StoredValue::String("5")));
            QVERIFY(store.Write(kKey, "Bytes", StoredValue::Binary(bytes)));
            QVERIFY(!store.Write(kKey, "Anderes", StoredValue::Other("Liste")));
        }
        QSettingsStore store(file);
        QCOMPARE(store.Read(kKey, "Zahl", StoredType::Integer), StoredValue::Integer(-7));
        QCOMPARE(store.Read(kKey, "Text", StoredType::String),
            StoredValue::String("@Grüße, \"Welt\"\\"));
        QCOMPARE(store.Read(kKey, "Bytes", StoredType::Binary), StoredValue::Binary(bytes));
        QVERIFY(!store.Read(kKey, "Anderes", StoredType::String));
        // The file keeps no types: digits are a number only to a reader that wants one.
        QCOMPARE(store.Read(kKey, "Ziffern", StoredType::String), StoredValue::String("5"));
        QCOMPARE(store.Read(kKey, "Ziffern", StoredType::Integer), StoredValue::Integer(5));
    }

    void textsThatAreNoThirtyTwoBitNumberStayTexts()
    {
        QSettingsStore store(File("texts.conf"));
        for (const char* text : { " 5", "5x", "2147483648", "", "0x10", "+3" }) {
            QVERIFY(store.Write(kKey, "Wert", StoredValue::String(text)));
            QCOMPARE(store.Read(kKey, "Wert", StoredType::Integer), StoredValue::String(text));
        }
        QVERIFY(store.Write(kKey, "Wert", StoredValue::String("-2147483648")));
        QCOMPARE(store.Read(kKey, "Wert", StoredType::Integer),
            StoredValue::Integer(std::numeric_limits<std::int32_t>::min()));
    }

    void handEditedValuesOfOtherTypesAreReportedAndDefaulted()
    {
        const QString file = File("edited.conf");
        {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write("[General]\nFastKDF=ja\nOpenDir=a, b\nScrollSpeed=-0.5\nOverviewZoom=3\n");
        }
        QSettingsStore store(file);
        TSettings settings(store);
        QCOMPARE(settings.FastKDF.Get(), true);
        QCOMPARE(settings.OpenDir.Get(), std::string());
        QCOMPARE(settings.ScrollSpeed.Get(), 1.0);
        QCOMPARE(settings.OverviewZoom.Get(), 3);
        const auto& problems = settings.Registry().Problems();
        QCOMPARE(problems.size(), std::size_t(3));
        QVERIFY(problems[0].find("FastKDF\" hat den falschen Typ (Zeichenkette statt Ganzzahl)")
            != std::string::npos);
        QVERIFY(problems[1].find("(Zeichenkette statt Binärdaten)") != std::string::npos);
        QVERIFY(problems[2].find("(Liste statt Zeichenkette)") != std::string::npos);
    }

    void onlyKeysUnderTheProgramKeyCanBeOpened()
    {
        QSettingsStore store(File("keys.conf"));
        QVERIFY(store.OpenKey(kKey));
        QVERIFY(store.OpenKey("software\\oskel\\maprune\\LastRecentlyUsed"));
        QVERIFY(!store.OpenKey("Software\\Oskel"));
        QVERIFY(!store.OpenKey("Software\\Oskel\\MapruneX"));
        QVERIFY(!store.OpenKey(kKey + "\\\\Leer"));
        QVERIFY(!store.OpenKey(kKey + "\\a/b"));
        QVERIFY(!store.Write(kKey, "a/b", StoredValue::Integer(1)));

        SettingsRegistry registry(store);
        try {
            TRegistryInteger other(registry, "Software\\Anderswo\\Zahl", 1);
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                QStringLiteral(
                    "Fehler beim Anlegen/Öffnen des Registry-Pfades \"Software\\Anderswo\""));
        }
    }

    void recentFilesLiveInTheirOwnGroupBesideTheSettings()
    {
        const QString file = File("recent.conf");
        {
            QSettingsStore store(file);
            TSettings settings(store);
            settings.FastKDF.SetAndStore(false);
            SaveRecentFiles(store, { "/a.cr", "/b.kdf", "/c.cr" });
            SaveRecentFiles(store, { "/d.kdf", "/a.cr" });
            QVERIFY(!store.DeleteKey(kKey));
        }
        QVERIFY(FileText(file).contains("[LastRecentlyUsed]"));
        QSettingsStore store(file);
        QCOMPARE(LoadRecentFiles(store), (std::vector<std::string> { "/d.kdf", "/a.cr" }));
        QCOMPARE(store.Read(kKey, "FastKDF", StoredType::Integer), StoredValue::Integer(0));
    }

    void freshStoreStaysEmptyAndChangesComeBack()
    {
        const QString file = File("settings.conf");
        {
            QSettingsStore store(file);
            TSettings settings(store);
        }
        QCOMPARE(QSettings(file, QSettings::IniFormat).allKeys(), QStringList());
        {
            QSettingsStore store(file);
            TSettings settings(store);
            settings.ScrollSpeed.Set(-0.5);
            settings.ExportDir.SetAndStore("/tmp/export");
            settings.ExportDir.SetAndStore("");
        }
        QCOMPARE(QSettings(file, QSettings::IniFormat).allKeys(), QStringList { "ScrollSpeed" });
        QSettingsStore store(file);
        TSettings settings(store);
        QCOMPARE(settings.ScrollSpeed.Get(), -0.5);
        QVERIFY(settings.Registry().Problems().empty());
    }

    void failedWriteIsReportedAndLaterWritesStillTried()
    {
        QFile blocker(File("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // A file cannot be created below a plain file.
        QSettingsStore store(File("blocker/settings.conf"));
        SettingsRegistry registry(store);
        registry.SetWriteBackOnDestruction(false);
        TRegistryString dir(registry, kKey + "\\ExportDir", "");
        try {
            dir.SetAndStore("/tmp");
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                QStringLiteral("Fehler beim Schreiben des Registry-Wertes "
                               "\"Software\\Oskel\\Maprune\\ExportDir\""));
        }
        QVERIFY_THROWS_EXCEPTION(Error, dir.SetAndStore("/var"));
    }

    void perUserStoreIsTheFileOfOskelMaprune()
    {
#ifdef Q_OS_WIN
        QSKIP("the per-user store is the registry on Windows");
#endif
        {
            QSettingsStore store;
            QCOMPARE(store.Location(), dir.filePath("config/Oskel/Maprune.conf"));
            QVERIFY(store.Write(kKey, "TextStyle", StoredValue::Integer(2)));
        }
        QVERIFY(FileText(dir.filePath("config/Oskel/Maprune.conf")).contains("TextStyle=2"));
    }
};

QTEST_GUILESS_MAIN(QSettingsStoreTest)
#include "qsettings_store_test.moc"
