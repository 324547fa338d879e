// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "config/ui/acac_window.h"
#include "config/ui/ulda_window.h"
#include "config/ui/unit_list_sort_options_window.h"
#include "config/unit_sort_criteria.h"
#include "model/named_item.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using maprune::test::ScriptedDialogs;

namespace {

const std::string kKey = kSettingsKey;
const QString kOwnFirst
    = QStringLiteral("nach Allianzstatus (eigene - verbündete - getarnte - feindliche Einheiten)");
const QString kTalentName = QStringLiteral("nach Name des besten Talents (aufsteigend)");
const QString kParty = QStringLiteral("nach Parteinummer (aufsteigend)");
const QString kUnitName = QStringLiteral("nach Name der Einheit (aufsteigend)");
const QString kSize = QStringLiteral("nach Einheitengröße (absteigend)");

template <typename T = QWidget> T* Get(QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries << list->item(row)->text();
    return entries;
}

} // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT

    MemorySettingsStore* store = nullptr;
    TSettings* settings = nullptr;
    ScriptedDialogs* dialogs = nullptr;

    std::optional<StoredValue> Stored(const char* name) const
    {
        return store->Read(kKey, name, StoredType::Other);
    }

private slots:
    void init()
    {
        store = new MemorySettingsStore;
        settings = new TSettings(*store);
        dialogs = new ScriptedDialogs;
    }

    void cleanup()
    {
        delete dialogs;
        delete settings;
        delete store;
    }

    void detailsDialogSetsAndClearsItsBitAtOnce()
    {
        settings->UnitListDetails.Set(ShowComments | ShowItems);
        TULDAWindow window(*settings, *dialogs);
        QSignalSpy changed(&window, &TULDAWindow::detailsChanged);
        window.show();
        QVERIFY(Get<QCheckBox>(window, "CheckBox1")->isChecked());
        QVERIFY(!Get<QCheckBox>(window, "CheckBox2")->isChecked());
        QVERIFY(Get<QCheckBox>(window, "CheckBox3")->isChecked());
        QVERIFY(!Get<QCheckBox>(window, "CheckBox4")->isChecked());
        QCOMPARE(Get<QCheckBox>(window, "CheckBox3")->text(),
            QStringLiteral("Liste der Gegenstände anzeigen"));
        QVERIFY(!Stored("UnitListDetails"));
        QCOMPARE(changed.count(), 0);

        Get<QCheckBox>(window, "CheckBox2")->click();
        QCOMPARE(Stored("UnitListDetails"), StoredValue::Integer(7));
        Get<QCheckBox>(window, "CheckBox1")->click();
        QCOMPARE(Stored("UnitListDetails"), StoredValue::Integer(6));
        QCOMPARE(changed.count(), 2);
    }

    void adaptationDialogLoadsAndStoresEveryControl()
    {
        settings->ACA_NoTerrainChecking.Set(true);
        settings->ACA_NameMisMatch.Set(12);
        settings->ACA_R_MPA.Set(1);
        settings->ACA_R_NPA.Set(0);
        TACACWindow window(*settings, *dialogs);
        window.show();
        QVERIFY(!Get<QCheckBox>(window, "CheckBox1")->isChecked());
        QVERIFY(Get<QCheckBox>(window, "CheckBox2")->isChecked());
        QCOMPARE(Get<QSpinBox>(window, "SpinEdit1")->value(), 5);
        QVERIFY(!Get<QSpinBox>(window, "SpinEdit1")->isEnabled());
        QCOMPARE(Get<QSpinBox>(window, "SpinEdit2")->value(), 12);
        QVERIFY(Get<QRadioButton>(window, "RadioGroup1Item1")->isChecked());
        QVERIFY(Get<QRadioButton>(window, "RadioGroup2Item0")->isChecked());
        QCOMPARE(store->ValueCount(), std::size_t(0));

        Get<QCheckBox>(window, "CheckBox1")->click();
        QCOMPARE(Stored("ACA_NoNameChecking"), StoredValue::Integer(1));
        Get<QSpinBox>(window, "SpinEdit3")->stepUp();
        QCOMPARE(Stored("ACA_TerrainMisMatch"), StoredValue::Integer(6));
        Get<QRadioButton>(window, "RadioGroup2Item1")->click();
        QCOMPARE(Stored("ACA_R_NPA"), StoredValue::Integer(1));
        Get<QRadioButton>(window, "RadioGroup1Item0")->click();
        QVERIFY(!Stored("ACA_R_MPA"));
    }

    void adaptationNumberFieldsWrapAroundAtTheirLimits()
    {
        settings->ACA_NameMisMatch.Set(1000);
        settings->ACA_TerrainMisMatch.Set(1);
        TACACWindow window(*settings, *dialogs);
        window.show();
        Get<QSpinBox>(window, "SpinEdit2")->stepUp();
        QCOMPARE(settings->ACA_NameMisMatch.Get(), 1);
        Get<QSpinBox>(window, "SpinEdit3")->stepDown();
        QCOMPARE(settings->ACA_TerrainMisMatch.Get(), 1000);
        QCOMPARE(Stored("ACA_TerrainMisMatch"), StoredValue::Integer(1000));
    }

    void adaptationReactionWithoutButtonShowsNoneAndKeepsTheValue()
    {
        settings->ACA_R_NPA.Set(7);
        TACACWindow window(*settings, *dialogs);
        window.show();
        for (const char* name : { "RadioGroup2Item0", "RadioGroup2Item1", "RadioGroup2Item2" })
            QVERIFY(!Get<QRadioButton>(window, name)->isChecked());
        QCOMPARE(settings->ACA_R_NPA.Get(), 7);
    }

    void sortDialogShowsTheStoredOrderOnTheRight()
    {
        settings->UnitListSortOptions.Set((kParty + "|nach Farbe|" + kUnitName).toStdString());
        const UnitSortCriteria criteria = ProgramUnitSortCriteria();
        TUnitListSortOptionsWindow window(*settings, criteria, *dialogs);
        window.show();
        QCOMPARE(
            Entries(Get<QListWidget>(window, "ListBox2")), (QStringList { kParty, kUnitName }));
        const QStringList left = Entries(Get<QListWidget>(window, "ListBox1"));
        QCOMPARE(left.size(), 5);
        QCOMPARE(left.first(), kOwnFirst);
        QVERIFY(!left.contains(kParty));
    }

    void sortDialogButtonsMoveTheSelectedEntry()
    {
        const UnitSortCriteria criteria = ProgramUnitSortCriteria();
        TUnitListSortOptionsWindow window(*settings, criteria, *dialogs);
        window.show();
        auto* left = Get<QListWidget>(window, "ListBox1");
        auto* right = Get<QListWidget>(window, "ListBox2");
        const auto press = [&](const char* name) { Get<QPushButton>(window, name)->click(); };

        left->setCurrentRow(left->count() - 1);
        const QString last = left->currentItem()->text();
        press("Button1");
        left->setCurrentRow(0);
        press("Button1");
        QCOMPARE(Entries(right), (QStringList { last, kOwnFirst }));
        QCOMPARE(right->currentRow(), 1);

        press("Button3");
        QCOMPARE(Entries(right), (QStringList { kOwnFirst, last }));
        QCOMPARE(right->currentRow(), 0);
        press("Button4");
        QCOMPARE(Entries(right), (QStringList { last, kOwnFirst }));

        right->setCurrentRow(0);
        press("Button2");
        QCOMPARE(Entries(right), QStringList { kOwnFirst });
        QVERIFY(Entries(left).contains(last));
        QCOMPARE(Entries(left).size(), 6);

        press("Button5");
        QVERIFY(Entries(right).isEmpty());
        QCOMPARE(Entries(left).size(), 7);

        left->setCurrentRow(-1);
        press("Button1");
        QVERIFY(Entries(right).isEmpty());
    }

    void sortDialogStandardAndClosingStoreTheOrder()
    {
        settings->UnitListSortOptions.Set((kSize + "|" + kParty).toStdString());
        const UnitSortCriteria criteria = ProgramUnitSortCriteria();
        TUnitListSortOptionsWindow window(*settings, criteria, *dialogs);
        QSignalSpy changed(&window, &TUnitListSortOptionsWindow::sortOrderChanged);
        window.show();
        Get<QPushButton>(window, "Button6")->click();
        QCOMPARE(Entries(Get<QListWidget>(window, "ListBox2")),
            (QStringList { kOwnFirst, kTalentName }));
        QVERIFY(!Stored("UnitListSortOptions"));

        window.close();
        QCOMPARE(Stored("UnitListSortOptions"),
            StoredValue::String((kOwnFirst + "|" + kTalentName).toStdString()));
        QCOMPARE(changed.count(), 1);

        window.show();
        Get<QPushButton>(window, "Button5")->click();
        window.close();
        QVERIFY(!Stored("UnitListSortOptions"));
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
