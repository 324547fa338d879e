// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTreeWidget>

#include "app/help_windows.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/map_view_slot.h"
#include "app/structure_window.h"
#include "app/window_caption.h"
#include "core/error.h"
#include "core/text_encoding.h"
#include "main_window_harness.h"
#include "map/map_navigation.h"
#include "model/numbers.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"

using namespace maprune;

namespace {

const char* const kAutoSaveFailure
    = "Es trat folgender Fehler beim Lesen des automatisch gesicherten Reports auf: ";
const char* const kArgumentFailure
    = "Es trat folgender Fehler beim Lesen des als Parameter übergebenen Reports auf: ";

QAction* Entry(QWidget& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// A map view that records what the main window asks of it.
class RecordingMapView : public QWidget, public MapViewSlot {
public:
    int rebuilds = 0;
    TReport* shown = nullptr;
    std::vector<TRegion*> redrawn;
    QPoint positions;

    QWidget* Widget() override { return this; }
    void Rebuild(TReport* report) override
    {
        ++rebuilds;
        shown = report;
    }
    void ShowActiveLayer() override { ++rebuilds; }
    void ForgetRegions() override { SetCurrentRegion(nullptr); }
    void RedrawRegion(TRegion& region) override { redrawn.push_back(&region); }
    void Redraw() override { }
    void AlliancesChanged() override { }
    void CentreOn(TRegion& region) override { SetCurrentRegion(&region); }
    QPoint ScrollPositions() const override { return positions; }
    void SetScrollPositions(QPoint p) override { positions = p; }
    TRegion* CurrentRegion() const override { return current; }
    void SetCurrentRegion(TRegion* region) override
    {
        if (region == current)
            return;
        if (current != nullptr)
            redrawn.push_back(current);
        current = region;
        if (changed)
            changed(region);
    }
    void OnCurrentRegionChanged(std::function<void(TRegion*)> callback) override
    {
        changed = std::move(callback);
    }

    TRegion* current = nullptr;
    std::function<void(TRegion*)> changed;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qRegisterMetaType<TReport*>();
        qRegisterMetaType<TRegion*>();
    }

    void startsWithTheReportOnTheCommandLine()
    {
        MainWindowHarness h;
        const QString sample = SampleFile("sample.cr");
        QVERIFY(h.Start({ sample }));
        TMainWindow& w = *h.window;

        QVERIFY(h.TakeMessages().empty());
        QVERIFY(w.Document().Report() != nullptr);
        QCOMPARE(w.Document().FileName(), sample);
        QVERIFY(!w.Document().Modified());
        QCOMPARE(w.windowTitle(),
            QStringLiteral("Maprune - Die Wüstenfüchse im August des Jahres 17 (%1)").arg(sample));

        auto* layers = w.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        QVERIFY(layers != nullptr && layers->isEnabled());
        QCOMPARE(layers->count(), 2);
        QCOMPARE(layers->itemText(0), QStringLiteral("Ebene 0"));
        QCOMPARE(layers->itemText(1), QStringLiteral("Ebene 1"));
        QCOMPARE(layers->currentText(), QStringLiteral("Ebene 0"));

        // The report menus are there, with their shortcuts.
        QVERIFY(w.Menu().View->menuAction()->isVisible());
        QVERIFY(w.Menu().Extras->menuAction()->isVisible());
        QCOMPARE(Entry(w, "Reportspeichern1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(Entry(w, "Ursprungsetzen1")->shortcut(), QKeySequence(Qt::Key_F10));
        QVERIFY(w.findChild<QStatusBar*>(QStringLiteral("StatusBar1")) != nullptr);
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("Image1")) != nullptr);
    }

    void withoutAnyFileTheFailedAutoSaveIsReportedAndNoReportOpen()
    {
        MainWindowHarness h;
        // A first start has no automatic save yet: nothing to report.
        QVERIFY(h.Start());
        QVERIFY(h.TakeMessages().empty());
        QVERIFY(h.Close());
        QFile broken(QString::fromStdU16String(h.paths.AutoSave.u16string()));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("kein Report");
        broken.close();
        QVERIFY(h.Start());
        TMainWindow& w = *h.window;
        const auto messages = h.TakeMessages();
        QCOMPARE(messages.size(), size_t { 1 });
        QVERIFY(
            QString::fromStdString(messages[0]).startsWith(QString::fromUtf8(kAutoSaveFailure)));
        QVERIFY(w.Document().Report() == nullptr);
        QCOMPARE(w.windowTitle(), QString::fromUtf8(kNoReportCaption));

        // Report menus are hidden and cannot be reached by key.
        QVERIFY(!w.Menu().View->menuAction()->isVisible());
        QVERIFY(!w.Menu().Extras->menuAction()->isVisible());
        for (const char* name :
            { "Reportehinzufgen1", "Reportspeichern1", "Reportspeichernunter1", "Ursprungsetzen1" })
            QVERIFY2(Entry(w, name)->shortcut().isEmpty(), name);
        QVERIFY(Entry(w, "Reportspeichern1")->isVisible() == false);
        QCOMPARE(Entry(w, "Reportffnen1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(Entry(w, "Beenden1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QVERIFY(!w.findChild<QComboBox*>(QStringLiteral("ComboBox1"))->isEnabled());
    }

    void aCommandLineFileThatCannotBeReadIsReportedOnce()
    {
        MainWindowHarness h;
        const QString notes = h.Write(QStringLiteral("notes.txt"), "PARTEI 1\n");
        QVERIFY(h.Start({ notes }));
        QCOMPARE(h.TakeMessages(),
            std::vector<std::string> { kArgumentFailure + std::string("unbekanntes Dateiformat") });
        QVERIFY(h.window->Document().Report() == nullptr);
        QVERIFY(h.Close());

        // The CR reader shows its own messages (the fault, then the abort);
        // the main window adds none.
        const QString broken = h.Write(QStringLiteral("broken.cr"), "VERSION 36\nUNSINN 1\n");
        QVERIFY(h.Start({ broken }));
        const auto messages = h.TakeMessages();
        QCOMPARE(messages.size(), size_t { 2 });
        for (const std::string& message : messages)
            QVERIFY(message.rfind("Ein Fehler trat auf beim Parsen des CR, Zeile 2: ", 0) == 0);
        QVERIFY(h.window->Document().Report() == nullptr);
    }

    void choosingALayerSwitchesToItAndClearsTheCurrentRegion()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow& w = *h.window;
        auto* view = new RecordingMapView;
        w.SetMapView(view);
        QCOMPARE(view->shown, w.Document().Report());
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("Image1")) == nullptr);

        // The user makes a region current in the view.
        QSignalSpy changes(&w.Document(), &TReportDocument::currentRegionChanged);
        TRegion* region = (*w.Document().Report()->Regions)[0];
        view->SetCurrentRegion(region);
        QCOMPARE(w.Document().CurrentRegion(), region);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.last().at(0).value<TRegion*>(), region);

        auto* layers = w.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        const int before = view->rebuilds;
        layers->setCurrentIndex(1);
        emit layers->activated(1);
        QCOMPARE(w.Document().Report()->ActiveLayer, 1);
        QCOMPARE(layers->currentText(), QStringLiteral("Ebene 1"));
        QVERIFY(w.Document().CurrentRegion() == nullptr);
        QCOMPARE(changes.count(), 2);
        QCOMPARE(view->rebuilds, before + 1);
        QCOMPARE(view->redrawn.back(), region); // its marker went away
    }

    void aCloseDuringALongOperationWaitsForItsEnd()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow& w = *h.window;
        h.TakeMessages();
        bool busyMeanwhile = false;
        bool menuDisabled = false;
        bool statusEnabled = false;
        // The question about another party's order file comes in the middle
        // of adding files; the user tries to close the window there.
        h.messages.onShow = [&](const std::string&) {
            busyMeanwhile = w.Busy();
            menuDisabled = !w.menuBar()->isEnabled();
            statusEnabled = w.statusBar()->isEnabled();
            w.close();
        };
        h.messages.answers = { ButtonNo };
        w.Files().AddFiles({ QStringLiteral(TEST_DATA_DIR "/merge/other-party-orders.txt") });
        QVERIFY(busyMeanwhile);
        QVERIFY(menuDisabled);
        QVERIFY(statusEnabled);
        QVERIFY(w.isVisible());
        QVERIFY(!w.Busy());
        QVERIFY(w.menuBar()->isEnabled());
        h.messages.onShow = nullptr;
        QTRY_VERIFY(!w.isVisible());
    }

    void theAlliancesAreReadAtStartAndWrittenAtExit()
    {
        MainWindowHarness h;
        const QString file = h.Write(QStringLiteral("maprune.bnd"), "Nord\r\nEis (7)\r\n");
        QVERIFY(h.Start());
        h.TakeMessages();
        QCOMPARE(h.window->Session().Alliances(),
            (AllianceList { Alliance { "Nord", { AllianceMember { "Eis", 7 } } } }));
        h.window->Session().Alliances().push_back(
            Alliance { "Süd", { AllianceMember { "Sand", 9 } } });
        QVERIFY(h.Close());
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        // In the program's 8-bit character set.
        QCOMPARE(written.readAll(), QByteArray("Nord\r\nEis (7)\r\n\r\nS\xfc" "d\r\nSand (9)\r\n"));
    }

    void anUnreadableAllianceFileIsReportedAndKept()
    {
        MainWindowHarness h;
        const QByteArray damaged("Nord\r\nEis (sieben)\r\n");
        const QString file = h.Write(QStringLiteral("maprune.bnd"), damaged);
        QVERIFY(h.Start());
        const std::vector<std::string> messages = h.TakeMessages();
        QVERIFY(std::any_of(messages.begin(), messages.end(), [](const std::string& text) {
            return text.rfind("Die Bündnisse konnten nicht gelesen werden: ", 0) == 0;
        }));
        QVERIFY(h.window->Session().Alliances().empty());
        QVERIFY(h.Close());
        QFile kept(file);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), damaged);
    }

    // Alt+F12 runs the checker only when KCHECK_Use says so, from the start,
    // not only once "E&xtras" has been opened.
    void theCheckerEntryFollowsItsSettingFromTheStart()
    {
        for (const bool use : { false, true }) {
            MainWindowHarness h;
            h.settings->KCHECK_Use.Set(use);
            QVERIFY(h.Start({ SampleFile("sample.cr") }));
            const QAction& checker = *h.window->Menu().Checker;
            QCOMPARE(checker.isVisible(), use);
            QCOMPARE(checker.shortcut(), use ? QKeySequence(Qt::ALT | Qt::Key_F12) : QKeySequence());
            QVERIFY(h.Close());
        }
    }

    void theHelpMenuShowsTheManualTheKeysTheChangesAndTheMemory()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow& w = *h.window;
        h.TakeMessages();
        const MainMenu& menu = w.Menu();

        menu.Contents->trigger();
        auto* help = w.findChild<THelpWindow*>(QStringLiteral("HelpWindow"));
        QVERIFY(help != nullptr && help->isVisible());
        QVERIFY(help->Text().startsWith(QStringLiteral("Maprune – Handbuch")));
        QVERIFY(help->Text().contains(QStringLiteral("Eine Runde Schritt für Schritt")));

        // The index lists keys also of entries that are disabled just now.
        menu.KeyIndex->trigger();
        const QString keys = help->Text();
        QVERIFY(keys.contains(QStringLiteral("Programm > Report öffnen...")));
        QVERIFY(
            keys.contains(QKeySequence(Qt::CTRL | Qt::Key_O).toString(QKeySequence::NativeText)));
        QVERIFY(keys.contains(QStringLiteral("Ansicht > Info-Fenster > Zauber & Tränke")));
        // Keys as the menus write them, umlauts included.
        QVERIFY(keys.contains(QStringLiteral("Ansicht > Info-Fenster > Übersicht\nAlt+Ü")));
        QVERIFY(keys.contains(QStringLiteral("statistisch > Bäume\nAlt+ß")));

        menu.Changes->trigger();
        QCOMPARE(help->windowTitle(), QStringLiteral("Gestern, Heute, Morgen"));
        QVERIFY(help->Text().startsWith(QStringLiteral("Changelog")));

        menu.Memory->trigger();
        const std::vector<std::string> shown = h.TakeMessages();
        QCOMPARE(shown.size(), size_t { 1 });
        QVERIFY(QString::fromStdString(shown[0]).contains(
            QStringLiteral("Regionen: %1\n").arg(w.Document().Report()->Regions->Count())));
    }

    void theStructureTreeShowsRegionsAndTheirContentsOnDemand()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow& w = *h.window;
        QTreeWidget& tree = *w.StructureWindow().Tree();
        // Hidden, the window builds nothing.
        QCOMPARE(tree.topLevelItemCount(), 0);
        w.Menu().InfoWindows.Structure->trigger();
        const auto regions = static_cast<int>(w.Document().Report()->Regions->Count());
        QCOMPARE(tree.topLevelItemCount(), regions);

        // The first region with units lists them when opened; with unit
        // details each unit lists its values.
        h.settings->TreeWindowSettings.Set(64 + 128 + 1);
        w.StructureWindow().SetReport(w.Document().Report());
        int withUnits = 0;
        while (
            (*w.Document().Report()->Regions)[static_cast<size_t>(withUnits)]->Units->Count() == 0)
            ++withUnits;
        QTreeWidgetItem* region = tree.topLevelItem(withUnits);
        region->setExpanded(true);
        const TUnit& unit
            = *(*(*w.Document().Report()->Regions)[static_cast<size_t>(withUnits)]->Units)[0];
        QCOMPARE(region->child(0)->text(0),
            QString::fromStdString(
                unit.GetDescription(static_cast<unsigned>(h.settings->UnitListDetails.Get()))));
        region->child(0)->setExpanded(true);
        QStringList details;
        for (int i = 0; i < region->child(0)->childCount(); ++i)
            details += region->child(0)->child(i)->text(0);
        QVERIFY(details.contains(
            QStringLiteral("Name: ") + QString::fromStdString(DisplayText(unit.Name))));
        // German labels, numbers in the report's base, histories with their turn.
        const TReport& report = *w.Document().Report();
        QVERIFY2(details.contains(QStringLiteral("Nummer: ")
                     + QString::fromStdString(FormatNr(unit.Nr, report.Basis))),
            qPrintable(details.join('|')));
        QVERIFY(details.contains(QStringLiteral("Partei: ")
            + QString::fromStdString(FormatNr(unit.Party, report.Basis))));
        QVERIFY(details.contains(QStringLiteral("Anzahl: %1 (Runde %2)")
                                     .arg(unit.Count->CurrentValue())
                                     .arg(unit.Count->History().front().Date)));
        QVERIFY(details.filter(QStringLiteral("Count:")).isEmpty());

        // The entry of the current region is selected.
        TRegion* current = (*report.Regions)[static_cast<size_t>(withUnits)];
        w.Document().SetCurrentRegion(current);
        QCOMPARE(tree.currentItem(), region);

        // Without region entries the units stand at the top.
        h.settings->TreeWindowSettings.Set(64);
        w.StructureWindow().SetReport(w.Document().Report());
        size_t units = 0;
        for (const TRegion* r : *w.Document().Report()->Regions)
            units += r->Units->Count();
        QCOMPARE(tree.topLevelItemCount(), static_cast<int>(units));
        h.settings->TreeWindowSettings.Set(64 + 128 + 1);

        // Adding a report frees regions: the tree is built anew, not left
        // pointing into them.
        w.Files().AddFiles({ SampleFile("sample-turn2.cr") });
        h.TakeMessages();
        QCOMPARE(
            tree.topLevelItemCount(), static_cast<int>(w.Document().Report()->Regions->Count()));
        tree.topLevelItem(withUnits)->setExpanded(true);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
