// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QListWidget>

#include "app/units_window.h"
#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "document/report_document.h"
#include "map/test_world.h"

using namespace maprune;
using maprune::maptest::TestWorld;

class UnitsWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        MemorySettingsStore store;
        TSettings settings { store };
        TestWorld world;
        TReportDocument document;
        TUnitsWindow window { settings, document };

        Fixture()
        {
            world.Report().ActiveParty = 5;
            TestWorld::AddAlly(world.AddParty(5, "Wir"), 9);
            TRegion& region = world.AddRegion(0, 0);
            for (int32_t party : { 7, -1, 9, 5 })
                world.AddUnit(region, party, 1).Name = "U" + std::to_string(party);
            region.SetTagSilently(TagSelected);
        }
    };

private slots:
    void linesAreGroupedAndColouredByGroup()
    {
        Fixture f;
        QCOMPARE(f.window.objectName(), QStringLiteral("Form6"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Einheiten in den ausgewählten Regionen"));
        QListWidget* list = f.window.findChild<QListWidget*>("ListBox1");
        QVERIFY(list != nullptr);

        f.window.Refill(&f.world.Report(), true);
        QCOMPARE(list->count(), 4);
        const PartyCategory groups[] = { PartyCategory::Own, PartyCategory::Allied,
            PartyCategory::Disguised, PartyCategory::Enemy };
        const char* names[] = { "U5 (", "U9 (", "U-1 (", "U7 (" };
        for (int row = 0; row < 4; ++row) {
            const QListWidgetItem* item = list->item(row);
            QVERIFY2(item->text().startsWith(QLatin1String(names[row])), qPrintable(item->text()));
            QCOMPARE(item->background().color(), TUnitsWindow::BackgroundColour(groups[row]));
            QCOMPARE(item->foreground().color(), TUnitsWindow::TextColour(groups[row]));
        }
        // Each group must be told apart from the others at a glance.
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b)
                QVERIFY(TUnitsWindow::BackgroundColour(groups[a])
                    != TUnitsWindow::BackgroundColour(groups[b]));
        }

        f.window.Refill(&f.world.Report(), false);
        QCOMPARE(list->count(), 0);
        f.window.Refill(&f.world.Report(), true);
        f.window.Refill(nullptr, true);
        QCOMPARE(list->count(), 0);
    }

    void closingHidesAndTellsTheMenu()
    {
        Fixture f;
        QSignalSpy closed(&f.window, &TUnitsWindow::closed);
        f.window.show();
        QVERIFY(f.window.close());
        QVERIFY(!f.window.isVisible());
        QCOMPARE(closed.count(), 1);
        QVERIFY(f.window.windowFlags().testFlag(Qt::Tool));
    }
};

QTEST_MAIN(UnitsWindowTest)
#include "units_window_test.moc"
