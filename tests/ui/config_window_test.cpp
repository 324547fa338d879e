// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <map>

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "config/ui/config_window.h"
#include "config/ui/file_associations.h"
#include "config/unit_sort_criteria.h"
#include "core/byte_coding.h"
#include "core/error.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using maprune::test::ScriptedDialogs;

namespace {

std::string DoubleBytes(double value)
{
    ByteWriter bytes;
    bytes.PutF64(value);
    return bytes.Take();
}

const std::string kKey = kSettingsKey;

// Associations kept in memory; `refusal` makes every change fail with it.
class FakeAssociations : public FileAssociations {
public:
    std::map<QString, bool> associated;
    std::string refusal;

    bool IsAssociated(const QString& extension) override { return associated[extension]; }
    void SetAssociated(const QString& extension, bool on) override
    {
        if (!refusal.empty())
            throw Error(refusal);
        associated[extension] = on;
    }
};

// A store that refuses every change.
class ReadOnlyStore : public MemorySettingsStore {
public:
    bool Write(const std::string&, const std::string&, const StoredValue&) override
    {
        return false;
    }
    bool Delete(const std::string&, const std::string&) override { return false; }
};

} // namespace

class ConfigWindowTest : public QObject {
    Q_OBJECT

    // Each test gets fresh settings over an empty store and a window on them.
    struct Fixture {
        MemorySettingsStore store;
        TSettings settings { store };
        ScriptedDialogs dialogs;
        FakeAssociations associations;
        UnitSortCriteria criteria = ProgramUnitSortCriteria();
        TConfigWindow window { settings, dialogs, associations, criteria };

        template <typename T = QWidget> T* Get(const char* name)
        {
            T* widget = window.findChild<T*>(QString::fromLatin1(name));
            if (!widget)
                qFatal("no widget %s", name);
            return widget;
        }
        std::optional<StoredValue> Stored(const char* name) const
        {
            return store.Read(kKey, name, StoredType::Other);
        }
    };

    static QLabel* LabelOf(QWidget* window, QWidget* control)
    {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->buddy() == control)
                return label;
        }
        return nullptr;
    }

private slots:
    void showingLoadsEveryControlAndWritesNothing()
    {
        Fixture f;
        f.settings.FastKDF.Set(false);
        f.settings.NoAutoSave.Set(true);
        f.settings.ExportDir.Set("/home/spieler/export");
        f.settings.RightSelect.Set(false);
        f.settings.KelvaranLayout.Set(false);
        f.settings.ScrollSpeed.Set(-0.5);
        f.settings.KCHECK_WARNINGLEVEL.Set(7);
        f.settings.Mail_Commands_Subject.Set("Befehle Runde 12");
        f.settings.Mail_Party_Extern.Set(true);
        f.associations.associated[QStringLiteral("cr")] = true;
        f.window.show();

        QVERIFY(!f.Get<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(f.Get<QCheckBox>("CheckBox2")->isChecked());
        QVERIFY(f.Get<QCheckBox>("CheckBox4")->isChecked());
        QVERIFY(f.Get<QCheckBox>("CheckBox14")->isChecked());
        QCOMPARE(f.Get<QLineEdit>("Edit3")->text(), QStringLiteral("/home/spieler/export"));
        QCOMPARE(f.Get<QLineEdit>("Edit10")->text(), QStringLiteral("befehle@kelvaran.de"));
        QCOMPARE(f.Get<QLineEdit>("Edit13")->text(), QStringLiteral("Befehle Runde 12"));
        QCOMPARE(f.Get<QLineEdit>("Edit14")->text(), QStringLiteral("einheit-[x36]@kelvaran.de"));
        QVERIFY(f.Get<QRadioButton>("RadioButton3")->isChecked());
        QVERIFY(f.Get<QRadioButton>("RadioButton2")->isChecked());
        QCOMPARE(f.Get<QSlider>("TrackBar1")->value(), -5);
        QCOMPARE(f.Get<QLabel>("Label3")->text(), QStringLiteral("x -0,5"));
        QCOMPARE(f.Get<QSpinBox>("UpDown1")->value(), 7);
        QCOMPARE(f.Get<QLineEdit>("Edit7")->text(), QStringLiteral("7"));
        QCOMPARE(f.Get<QListWidget>("ListBox1")->item(0)->text(), QStringLiteral("kdf"));
        QVERIFY(!f.Get<QListWidget>("ListBox1")->item(0)->isSelected());
        QVERIFY(f.Get<QListWidget>("ListBox1")->item(1)->isSelected());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Konfiguration"));
        QCOMPARE(f.store.ValueCount(), std::size_t(0));
    }

    void trackBarPositionIsTheFactorTimesTenRoundedAndKeptInRange()
    {
        for (const auto& [speed, position] :
            { std::pair { 0.55, 6 }, { -0.25, -3 }, { 1e300, 100 }, { -37.0, -100 }, { 0.0, 0 } }) {
            Fixture f;
            f.settings.ScrollSpeed.Set(speed);
            f.window.show();
            QCOMPARE(f.Get<QSlider>("TrackBar1")->value(), position);
            QCOMPARE(f.settings.ScrollSpeed.Get(), speed);
        }
        Fixture f;
        f.settings.ScrollSpeed.Set(0.0);
        f.window.show();
        QCOMPARE(f.Get<QLabel>("Label3")->text(), QStringLiteral("deaktiviert"));
        QCOMPARE(f.Get<QLabel>("Label1")->text(), QStringLiteral("x -10,0"));
        QCOMPARE(f.Get<QLabel>("Label2")->text(), QStringLiteral("x 10,0"));
    }

    void everyChangeIsWrittenAtOnce()
    {
        Fixture f;
        f.window.show();

        f.Get<QCheckBox>("CheckBox1")->click();
        QCOMPARE(f.Stored("FastKDF"), StoredValue::Integer(0));
        f.Get<QCheckBox>("CheckBox1")->click();
        QVERIFY(!f.Stored("FastKDF"));

        QTest::keyClicks(f.Get<QLineEdit>("Edit3"), QStringLiteral("/tmp/export"));
        QCOMPARE(f.Stored("ExportDir"), StoredValue::String("/tmp/export"));
        f.Get<QLineEdit>("Edit3")->clear();
        QVERIFY(!f.Stored("ExportDir"));

        f.Get<QSlider>("TrackBar1")->setValue(25);
        QCOMPARE(f.Stored("ScrollSpeed"), StoredValue::Binary(DoubleBytes(2.5)));
        QCOMPARE(f.Get<QLabel>("Label3")->text(), QStringLiteral("x 2,5"));
        f.Get<QSlider>("TrackBar1")->setValue(-100);
        QCOMPARE(f.settings.ScrollSpeed.Get(), -10.0);
        QCOMPARE(f.Get<QLabel>("Label3")->text(), QStringLiteral("x -10,0"));

        f.Get<QCheckBox>("CheckBox6")->click();
        f.Get<QSpinBox>("UpDown1")->stepUp();
        QCOMPARE(f.Stored("KCHECK_WARNINGLEVEL"), StoredValue::Integer(5));

        f.Get<QRadioButton>("RadioButton3")->click();
        QCOMPARE(f.Stored("RightSelect"), StoredValue::Integer(0));
        f.Get<QRadioButton>("RadioButton4")->click();
        QVERIFY(!f.Stored("RightSelect"));

        QVERIFY(f.dialogs.shown.empty());
    }

    void warningLevelStaysWithinZeroToNine()
    {
        Fixture f;
        f.settings.KCHECK_WARNINGLEVEL.Set(9);
        f.window.show();
        auto* level = f.Get<QSpinBox>("UpDown1");
        QCOMPARE(level->minimum(), 0);
        QCOMPARE(level->maximum(), 9);
        level->stepUp();
        QCOMPARE(f.settings.KCHECK_WARNINGLEVEL.Get(), 9);
    }

    // The change thresholds sit in the group "Veränderungen", show their
    // setting, write a change at once and keep within the setting's range.
    void changeThresholdsAreBoundWithinTheirRange()
    {
        struct Row {
            const char* name;
            TRegistryInteger TSettings::*setting;
            int minimum;
            int maximum;
        };
        const Row rows[] = {
            { "ChangesPeasantsPercent", &TSettings::ChangesPeasantsPercent, 0, 1000 },
            { "ChangesPeasantsMinimum", &TSettings::ChangesPeasantsMinimum, 1, 1000000 },
            { "ChangesSilverPercent", &TSettings::ChangesSilverPercent, 0, 1000 },
            { "ChangesSilverMinimum", &TSettings::ChangesSilverMinimum, 1, 1000000 },
            { "ChangesHorsesPercent", &TSettings::ChangesHorsesPercent, 0, 1000 },
            { "ChangesHorsesMinimum", &TSettings::ChangesHorsesMinimum, 1, 1000000 },
            { "ChangesTreesPercent", &TSettings::ChangesTreesPercent, 0, 1000 },
            { "ChangesTreesMinimum", &TSettings::ChangesTreesMinimum, 1, 1000000 },
            { "ChangesWagesPercent", &TSettings::ChangesWagesPercent, 0, 1000 },
            { "ChangesWagesMinimum", &TSettings::ChangesWagesMinimum, 1, 1000000 },
            { "ChangesPricesPercent", &TSettings::ChangesPricesPercent, 0, 1000 },
            { "ChangesPricesMinimum", &TSettings::ChangesPricesMinimum, 1, 1000000 },
            { "ChangesUnitSilverPercent", &TSettings::ChangesUnitSilverPercent, 0, 1000 },
            { "ChangesUnitSilverMinimum", &TSettings::ChangesUnitSilverMinimum, 1, 1000000 },
            { "ChangesPastTurns", &TSettings::ChangesPastTurns, 1, 1000 },
        };
        for (const Row& row : rows) {
            Fixture f;
            (f.settings.*row.setting).Set(row.minimum + 3);
            f.window.show();
            auto* spinBox = f.Get<QSpinBox>(row.name);
            QCOMPARE(spinBox->value(), row.minimum + 3);
            QCOMPARE(qobject_cast<QGroupBox*>(spinBox->parentWidget())->title(),
                QStringLiteral("Veränderungen"));
            QCOMPARE(spinBox->minimum(), row.minimum);
            spinBox->setValue(row.maximum + 1);
            QCOMPARE(f.Stored(row.name), StoredValue::Integer(row.maximum));
            QCOMPARE((f.settings.*row.setting).Get(), row.maximum);
        }
    }

    void dependentControlsFollowTheirCheckBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("VORLAGE") << "CheckBox5" << QStringList { "Edit4", "Edit5", "SpeedButton4" };
        QTest::newRow("KCHECK") << "CheckBox6"
                                << QStringList { "Edit6", "Edit7", "Edit8", "UpDown1" };
        QTest::newRow("order mail") << "CheckBox7" << QStringList { "Edit10", "Edit13" };
        QTest::newRow("unit mail") << "CheckBox10" << QStringList { "Edit14", "CheckBox12" };
        QTest::newRow("party mail") << "CheckBox13" << QStringList { "CheckBox14" };
    }

    void dependentControlsFollowTheirCheckBox()
    {
        QFETCH(QString, box);
        QFETCH(QStringList, controls);
        Fixture f;
        f.window.show();
        auto* check = f.Get<QCheckBox>(box.toLatin1().constData());
        const auto expectEnabled = [&](bool enabled) {
            for (const QString& name : controls) {
                QWidget* control = f.Get(name.toLatin1().constData());
                QCOMPARE(control->isEnabled(), enabled);
                if (QLabel* label = LabelOf(&f.window, control))
                    QCOMPARE(label->isEnabled(), enabled);
            }
        };
        QVERIFY(!check->isChecked());
        expectEnabled(false);
        check->click();
        expectEnabled(true);
        check->click();
        expectEnabled(false);
    }

    void dependentControlsAreEnabledOnShowWhenTheirSettingIsOn()
    {
        Fixture f;
        f.settings.VORLAGE_Use.Set(true);
        f.window.show();
        QVERIFY(f.Get("Edit5")->isEnabled());
        QVERIFY(LabelOf(&f.window, f.Get("Edit5"))->isEnabled());
        QVERIFY(!f.Get("Edit8")->isEnabled());
    }

    void noToTheAxisQuestionChangesNothing()
    {
        Fixture f;
        f.window.show();
        f.dialogs.answers = { ButtonNo };
        f.Get<QRadioButton>("RadioButton2")->click();
        QCOMPARE(f.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(f.dialogs.shown[0].kind, MessageKind::Confirmation);
        QCOMPARE(QString::fromStdString(f.dialogs.shown[0].text),
            QStringLiteral("Achtung: diese Änderung wird erst nach einem Neustart des Maprune "
                           "wirksam. Wollen Sie die Änderung durchführen?"));
        QVERIFY(f.settings.KelvaranLayout.Get());
        QVERIFY(f.Get<QRadioButton>("RadioButton1")->isChecked());
        QVERIFY(!f.Get<QRadioButton>("RadioButton2")->isChecked());
        QCOMPARE(f.store.ValueCount(), std::size_t(0));

        f.dialogs.answers = { ButtonYes };
        f.Get<QRadioButton>("RadioButton2")->click();
        QVERIFY(!f.settings.KelvaranLayout.Get());
        QCOMPARE(f.Stored("KelvaranLayout"), StoredValue::Integer(0));
        QVERIFY(f.Get<QRadioButton>("RadioButton2")->isChecked());
        QCOMPARE(f.dialogs.shown.size(), std::size_t(2));
    }

    void unitWindowCheckBoxTellsTheMainWindow()
    {
        Fixture f;
        QSignalSpy spy(&f.window, &TConfigWindow::unitWindowDisabledChanged);
        f.window.show();
        QCOMPARE(spy.count(), 0);
        f.Get<QCheckBox>("CheckBox2")->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QCOMPARE(f.Stored("NoUnitWindow"), StoredValue::Integer(0));
    }

    void choosersPutTheChosenPathIntoTheirFieldWhichStoresIt()
    {
        Fixture f;
        QString title;
        QString filter;
        QString answer = QStringLiteral("/srv/kelvaran");
        f.window.SetFolderChooser([&](QWidget*, const QString& t, const QString&) {
            title = t;
            return answer;
        });
        f.window.SetProgramChooser(
            [&](QWidget*, const QString& t, const QString& fl, const QString&) {
                title = t;
                filter = fl;
                return QStringLiteral("/opt/vorlage/vorlage");
            });
        f.window.show();

        f.Get<QToolButton>("SpeedButton3")->click();
        QCOMPARE(f.Get<QLineEdit>("Edit3")->text(), QStringLiteral("/srv/kelvaran"));
        QCOMPARE(f.Stored("ExportDir"), StoredValue::String("/srv/kelvaran"));
        answer.clear();
        f.Get<QToolButton>("SpeedButton1")->click();
        QVERIFY(!f.Stored("OpenDir"));

        f.Get<QCheckBox>("CheckBox5")->click();
        f.Get<QToolButton>("SpeedButton4")->click();
        QCOMPARE(title, QStringLiteral("Programmdatei suchen: VORLAGE"));
        QVERIFY(filter.startsWith(QStringLiteral("VORLAGE (")));
        QVERIFY(filter.contains(QStringLiteral("vorlage.exe")));
        QCOMPARE(f.Stored("VORLAGE_Path"), StoredValue::String("/opt/vorlage/vorlage"));
    }

    void fileTypeListShowsTheRealAssociationAfterEveryChange()
    {
        Fixture f;
        f.window.show();
        auto* list = f.Get<QListWidget>("ListBox1");
        list->item(0)->setSelected(true);
        QVERIFY(f.associations.associated[QStringLiteral("kdf")]);
        QVERIFY(list->item(0)->isSelected());
        list->item(0)->setSelected(false);
        QVERIFY(!f.associations.associated[QStringLiteral("kdf")]);

        f.associations.refusal = "Dateizuordnungen können nicht geändert werden";
        list->item(1)->setSelected(true);
        QVERIFY(!list->item(1)->isSelected());
        QCOMPARE(f.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(f.dialogs.shown[0].kind, MessageKind::Error);
        QCOMPARE(f.dialogs.shown[0].text, f.associations.refusal);
    }

    void buttonsOpenTheThreeSmallDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::newRow("sort") << "Button1"
                              << "Sortierung der Einheitenliste im Regionsfenster";
        QTest::newRow("origin") << "Button2"
                                << "Konfiguration der automatischen Koordinatenursprunganpassung";
        QTest::newRow("details") << "Button3"
                                 << "Informationsmenge der Einheitenliste konfigurieren";
    }

    void buttonsOpenTheThreeSmallDialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        Fixture f;
        f.window.show();
        f.Get<QPushButton>(button.toLatin1().constData())->click();
        QDialog* opened = nullptr;
        for (QDialog* dialog : f.window.findChildren<QDialog*>()) {
            if (dialog->isVisible())
                opened = dialog;
        }
        QVERIFY(opened);
        QCOMPARE(opened->windowTitle(), title);
        opened->close();
    }

    void failedWriteIsShownAndTheChangeStaysForTheSession()
    {
        ReadOnlyStore store;
        TSettings settings(store);
        settings.Registry().SetWriteBackOnDestruction(false);
        ScriptedDialogs dialogs;
        FakeAssociations associations;
        const UnitSortCriteria criteria = ProgramUnitSortCriteria();
        TConfigWindow window(settings, dialogs, associations, criteria);
        window.show();
        window.findChild<QCheckBox*>(QStringLiteral("CheckBox4"))->click();
        QVERIFY(settings.NoAutoSave.Get());
        QCOMPARE(dialogs.shown.size(), std::size_t(1));
        QCOMPARE(dialogs.shown[0].kind, MessageKind::Error);
        QCOMPARE(QString::fromStdString(dialogs.shown[0].text),
            QStringLiteral("Fehler beim Schreiben des Registry-Wertes "
                           "\"Software\\Oskel\\Maprune\\NoAutoSave\""));
    }
};

QTEST_MAIN(ConfigWindowTest)
#include "config_window_test.moc"
