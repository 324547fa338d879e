// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QTemporaryDir>

#include "cli_process.h"
#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "config/ui/qsettings_store.h"

using namespace maprune;

// maprune-cli settings works on the same per-user store as the desktop
// program. The store is moved into a temporary folder for the test.
class SettingsCliTest : public QObject {
    Q_OBJECT

    QTemporaryDir config;

    static CliResult Cli(const QStringList& arguments)
    {
        return RunCli(QStringLiteral("settings"), arguments);
    }

private slots:
    void initTestCase()
    {
#ifdef Q_OS_WIN
        QSKIP("the per-user store is the user's registry on Windows");
#endif
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }

    void whatTheToolSetsTheProgramLoads()
    {
        QCOMPARE(Cli({ "set", "ScrollSpeed", "-0.5" }).exitCode, 0);
        QCOMPARE(Cli({ "set", "exportdir", "/srv/Grüße" }).exitCode, 0);
        QCOMPARE(Cli({ "set", "NoAutoSave", "true" }).exitCode, 0);
        {
            QSettingsStore store;
            TSettings settings(store);
            settings.Registry().SetWriteBackOnDestruction(false);
            QCOMPARE(settings.ScrollSpeed.Get(), -0.5);
            QCOMPARE(settings.ExportDir.Get(), std::string("/srv/Grüße"));
            QVERIFY(settings.NoAutoSave.Get());
            QVERIFY(settings.Registry().Problems().empty());
            settings.TextStyle.SetAndStore(3);
        }
        QCOMPARE(Cli({ "get", "TextStyle" }).out, QStringLiteral("3\n"));
        QCOMPARE(Cli({ "get", "ExportDir" }).out, QStringLiteral("/srv/Grüße\n"));

        QCOMPARE(Cli({ "reset", "ScrollSpeed" }).exitCode, 0);
        QSettingsStore store;
        QVERIFY(!store.Read(kSettingsKey, "ScrollSpeed", StoredType::Binary));
    }

    void listShowsNameTypeDefaultAndValue()
    {
        QCOMPARE(Cli({ "set", "KCHECK_WARNINGLEVEL", "9" }).exitCode, 0);
        const CliResult list = Cli({ "list" });
        QCOMPARE(list.exitCode, 0);
        const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
        MemorySettingsStore memory;
        const TSettings settings(memory);
        QCOMPARE(lines.size(), static_cast<int>(settings.Registry().Settings().size()) + 1);
        QVERIFY(lines[0].startsWith(QStringLiteral("Name")));
        QVERIFY(lines[1].startsWith(QStringLiteral("FastKDF ")));
        const QStringList level = lines.filter(QStringLiteral("KCHECK_WARNINGLEVEL"))
                                      .first()
                                      .split(' ', Qt::SkipEmptyParts);
        QCOMPARE(level, (QStringList { "KCHECK_WARNINGLEVEL", "Integer", "4", "9" }));
    }

    void badInputIsRefusedWithAReasonAndChangesNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown") << QStringList { "set", "Zoom", "2" } << "Unbekannte Einstellung";
        QTest::newRow("type") << QStringList { "set", "FastKDF", "ja" }
                              << "erwartet: true oder false";
        QTest::newRow("range") << QStringList { "set", "ACA_R_NPA", "3" }
                               << "außerhalb des Bereichs 0 bis 2";
        QTest::newRow("float") << QStringList { "set", "ScrollSpeed", "nan" }
                               << "erwartet: eine Zahl";
        QTest::newRow("criterion") << QStringList { "set", "UnitListSortOptions", "nach Farbe" }
                                   << "Unbekanntes Sortierkriterium";
        QTest::newRow("get") << QStringList { "get", "Zoom" } << "Unbekannte Einstellung";
    }

    void badInputIsRefusedWithAReasonAndChangesNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const QString before = Cli({ "list" }).out;
        const CliResult result = Cli(arguments);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(reason), qPrintable(result.err));
        QCOMPARE(Cli({ "list" }).out, before);
    }

    void storedValueOfTheWrongTypeIsAnErrorOfGetButSetRepairsIt()
    {
        {
            QSettingsStore store;
            QVERIFY(store.Write(kSettingsKey, "OverviewZoom", StoredValue::String("groß")));
        }
        const CliResult get = Cli({ "get", "OverviewZoom" });
        QCOMPARE(get.exitCode, 1);
        QVERIFY(get.err.contains(QStringLiteral("falschen Typ")));
        QCOMPARE(Cli({ "get", "TextStyle" }).exitCode, 0);
        QCOMPARE(Cli({ "list" }).exitCode, 1);
        QCOMPARE(Cli({ "set", "OverviewZoom", "4" }).exitCode, 0);
        QCOMPARE(Cli({ "get", "OverviewZoom" }).out, QStringLiteral("4\n"));
    }
};

QTEST_GUILESS_MAIN(SettingsCliTest)
#include "settings_cli_test.moc"
