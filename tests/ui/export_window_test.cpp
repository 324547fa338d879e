// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "core/string_sink.h"
#include "document/path_text.h"
#include "document/report_document.h"
#include "map/ui/render/map_pictures.h"
#include "model/party.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/order_file.h"
#include "orders/ui/export_file_chooser.h"
#include "orders/ui/export_window.h"
#include "report/cr_writer.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

using namespace maprune;

namespace {

// Answers every save dialog with the next name and keeps what it was asked.
class ScriptedChooser : public ExportFileChooser {
public:
    QStringList names;
    QStringList asked; // "folder|filter|suffix"

    QString ChooseExportName(
        QWidget*, const QString& folder, const QString& filter, const QString& suffix) override
    {
        asked << folder + "|" + filter + "|" + suffix;
        return names.isEmpty() ? QString() : names.takeFirst();
    }
};

} // namespace

class ExportWindowTest : public QObject {
    Q_OBJECT

    // Party 7 with a unit in (0,0); (0,0) and (1,0) of layer 0 selected,
    // (2,0) not.
    struct Fixture {
        MemorySettingsStore store;
        TSettings settings { store };
        TReportDocument document;
        TMapPictures pictures { MapLayout::XAxisWestEast };
        ScriptedChooser files;
        test::ScriptedDialogs messages;
        TExportWindow window { { settings, document, messages, &pictures, &files } };
        TempDir folder;

        Fixture()
        {
            auto report = CreateEmpty<TReport>(nullptr);
            report->ActiveParty = 7;
            report->ActiveLayer = 0;
            auto party = CreateEmpty<TParty>(report.get());
            party->Nr = 7;
            party->Password = "geheim";
            report->Parties->Add(std::move(party));
            for (int32_t x : { 0, 1, 2 }) {
                auto region = CreateEmpty<TRegion>(report.get());
                region->CX = x;
                region->Name = "Feld " + std::to_string(x);
                region->Terrain = "Ebene";
                region->SetTagSilently(x < 2 ? TagSelected : 0);
                report->Regions->Add(std::move(region));
            }
            TRegion& first = *(*report->Regions)[0];
            auto unit = CreateEmpty<TUnit>(report.get());
            unit->Nr = 42;
            unit->Party = 7;
            unit->Count->AddValue(1, 3);
            unit->Commands->Add("ARBEITE");
            first.Units->Add(std::move(unit));
            document.Replace(std::move(report), QStringLiteral("welt.kdf"));
            settings.ExportDir.Set(folder.Path().string());
        }

        template <typename T> T* Get(const char* name)
        {
            T* control = window.findChild<T*>(QString::fromLatin1(name));
            if (control == nullptr)
                qFatal("no control %s", name);
            return control;
        }
        QString Export(const char* button, const char* file)
        {
            const QString name = ToQString(folder / file);
            files.names << name;
            Get<QPushButton>(button)->click();
            return name;
        }
    };

private slots:
    void tabsOpenWithTheirDefaults()
    {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Auswahl exportieren"));
        auto* pages = f.Get<QTabWidget>("PageControl1");
        QCOMPARE(pages->count(), 4);
        const char* tabs[] = { "CR", "Bitmap", "Merian", "Befehle" };
        for (int i = 0; i < 4; ++i)
            QCOMPARE(pages->tabText(i), QString::fromLatin1(tabs[i]));
        const std::pair<const char*, bool> boxes[]
            = { { "CheckBox3", true }, { "CheckBox4", true }, { "CheckBox5", true },
                  { "CheckBox8", false }, { "CheckBox9", false }, { "CheckBox7", false },
                  { "CheckBox1", true }, { "CheckBox2", true }, { "CheckBox6", false } };
        for (const auto& [name, checked] : boxes)
            QVERIFY2(f.Get<QCheckBox>(name)->isChecked() == checked, name);
        // Each Alt key of a tab reaches one control.
        for (int i = 0; i < 4; ++i) {
            QSet<QChar> keys;
            for (const QAbstractButton* control :
                pages->widget(i)->findChildren<QAbstractButton*>()) {
                const qsizetype at = control->text().indexOf('&');
                if (at < 0)
                    continue;
                const QChar key = control->text()[at + 1].toLower();
                QVERIFY2(!keys.contains(key), qPrintable(control->text()));
                keys.insert(key);
            }
        }

        // Every showing starts with the first format; mailing is not there yet.
        auto* formats = f.Get<QListWidget>("ListBox1");
        formats->setCurrentRow(1);
        f.Get<QPushButton>("Button10")->setEnabled(true);
        f.settings.Mail_Commands.Set(true);
        f.window.show();
        QCOMPARE(formats->currentRow(), 0);
        QVERIFY(!f.Get<QPushButton>("Button10")->isEnabled());
    }

    void extractAndOrderFileAreWrittenByTheCoreWriters()
    {
        Fixture f;
        f.Get<QCheckBox>("CheckBox8")->setChecked(true);
        const QString cr = f.Export("Button4", "auswahl.cr");
        StringSink expected;
        CRExtractOptions options;
        options.UnitsAndShips = true;
        WriteCRExtract(*f.document.Report(), options, false, expected);
        QCOMPARE(ReadWholeFile(ToPath(cr)), expected.Bytes());
        QVERIFY(expected.Bytes().find("EINHEIT 42") != std::string::npos);
        QCOMPARE(f.window.result(), int(QDialog::Accepted));

        const QString orders = f.Export("Button9", "befehle.txt");
        const std::string text = ReadWholeFile(ToPath(orders));
        QCOMPARE(text, TextOfLines(BuildOrderFile(*f.document.Report(), f.messages)));
        QVERIFY(text.rfind("PARTEI 7 \"geheim\"\r\n", 0) == 0);
        const QString folder = ToQString(f.folder.Path());
        QCOMPARE(f.files.asked,
            QStringList({ folder + "|CR-Dateien (*.cr)|cr", folder + "|Textdateien (*.txt)|txt" }));

        // Without an active party nothing is written and the dialog stays.
        f.document.Report()->ActiveParty = 3;
        f.window.setResult(QDialog::Rejected);
        const QString none = f.Export("Button9", "keine.txt");
        QVERIFY(!QFile::exists(none));
        QCOMPARE(f.messages.shown.back().text, std::string(kNoActivePartyMessage));
        QCOMPARE(f.window.result(), int(QDialog::Rejected));
    }

    void bitmapCoversTheSelectedTilesOnBlack()
    {
        Fixture f;
        const QImage picture = f.window.SelectionBitmap();
        // Two neighbours of one row: 64 + 64 pixels wide, one tile high.
        QCOMPARE(picture.size(), QSize(128, 64));
        QVERIFY((picture.pixel(32, 32) & 0xFFFFFF) != 0);
        QCOMPARE(picture.pixel(0, 0) & 0xFFFFFF, 0u);

        f.Get<QListWidget>("ListBox1")->setCurrentRow(1);
        const QString tga = f.Export("Button2", "auswahl.tga");
        const std::string bytes = ReadWholeFile(ToPath(tga));
        QCOMPARE(bytes.size(), size_t(18 + 128 * 64 * 3));
        QCOMPARE(int(uint8_t(bytes[12])) | int(uint8_t(bytes[13])) << 8, 128);
        QCOMPARE(f.files.asked.back(), ToQString(f.folder.Path()) + "|TGA-Dateien (*.tga)|tga");

        for (TRegion* region : *f.document.Report()->Regions)
            region->SetTagSilently(0);
        QVERIFY(f.window.SelectionBitmap().isNull());
    }
};

QTEST_MAIN(ExportWindowTest)
#include "export_window_test.moc"
