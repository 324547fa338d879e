// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

#include "config/memory_settings_store.h"
#include "config/settings.h"
#include "map/test_world.h"
#include "map/ui/legend_window.h"
#include "map/ui/map_view_widget.h"
#include "map/ui/render/map_pictures.h"
#include "support/scripted_dialogs.h"

using namespace maprune;
using maprune::maptest::TestWorld;
using maprune::test::ScriptedDialogs;

class LegendWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        MemorySettingsStore store;
        TSettings settings { store };
        TMapPictures pictures { MapLayout::XAxisWestEast };
        ScriptedDialogs dialogs;
        TestWorld world;
        TMapView view { pictures, settings, dialogs };
        TColorMapWindow legend { view };
        QListWidget* list = legend.findChild<QListWidget*>("ListBox1");
        QSpinBox* turn = legend.findChild<QSpinBox*>("SpinEdit1");

        Fixture()
        {
            world.Report().Turn = 5;
            world.AddParty(1, "Nordvolk");
            world.AddParty(2, "Südvolk");
            for (int x = 0; x < 4; ++x) {
                TRegion& region = world.AddRegion(x, 0);
                region.FullInfoDate = 5;
                region.Peasants->AddValue(5, 1000 * x);
            }
            TRegion& first = *world.Report().FindRegion(0, 0, 0);
            world.AddPolitic(first, 1, 4, 0, 30, 0);
            world.AddPolitic(first, 2, 5, 0, 50, 0);
            view.resize(300, 200);
            view.show();
            view.SetReport(&world.Report());
            legend.show();
        }
    };

private slots:
    void theSpinEditShowsTheReportsTurn()
    {
        Fixture f;
        QVERIFY(f.list && f.turn);
        QCOMPARE(f.legend.windowTitle(), QStringLiteral("Legende"));
        QCOMPARE(f.turn->value(), 5);
        auto* label = f.legend.findChild<QLabel*>("Label1");
        QCOMPARE(label->text(), QStringLiteral("politische Karte von &Runde:"));
        QCOMPARE(label->buddy(), f.turn);
    }

    void entriesAreFilledWithTheirColourAndReadableText()
    {
        Fixture f;
        f.view.ShowStatistic(StatisticKind::Peasants);
        QCOMPARE(f.list->count(), 21);
        QCOMPARE(f.list->item(0)->text(), QStringLiteral("0"));
        QCOMPARE(f.list->item(20)->text(), QStringLiteral("3000"));
        QCOMPARE(f.list->visualItemRect(f.list->item(0)).height(), 16);

        const QImage shown = f.list->viewport()->grab().toImage();
        // The first entry is the dark 0x404080 with white text, a light one
        // further down has black text.
        const QRect dark = f.list->visualItemRect(f.list->item(0));
        QCOMPARE(shown.pixel(dark.right() - 2, dark.center().y()) & 0xFFFFFF, 0x404080u);
        bool white = false;
        for (int x = dark.left(); x < dark.left() + 12; ++x)
            for (int y = dark.top(); y <= dark.bottom(); ++y)
                white = white || (shown.pixel(x, y) & 0xFFFFFF) == 0xFFFFFFu;
        QVERIFY(white);
        const QRect light = f.list->visualItemRect(f.list->item(15));
        const QRgb background = shown.pixel(light.right() - 2, light.center().y()) & 0xFFFFFF;
        QCOMPARE(background, QRgb(f.view.Colouring().Legend()[15].Colour));
        bool black = false;
        for (int x = light.left(); x < light.left() + 20; ++x)
            for (int y = light.top(); y <= light.bottom(); ++y)
                black = black || (shown.pixel(x, y) & 0xFFFFFF) == 0u;
        QVERIFY(black);
    }

    void changingTheTurnRecoloursThePoliticalMap()
    {
        Fixture f;
        f.view.ShowPolitical(false, PersonsMode::Persons);
        QCOMPARE(f.list->count(), 2);
        const TRegion& first = *f.world.Report().FindRegion(0, 0, 0);
        const TMapState& map = *f.view.MapState();
        QCOMPARE(map.Colours(first).PoliticShares.Shares().size(), size_t(1));
        QCOMPARE(map.Colours(first).PoliticShares.Shares()[0].Count, 50);
        QVERIFY(f.view.Caption().endsWith(QStringLiteral("im Mai des Jahres 1")));

        f.turn->setValue(4);
        QCOMPARE(f.view.Colouring().ShownTurn(), 4);
        QCOMPARE(map.Colours(first).PoliticShares.Shares().size(), size_t(1));
        QCOMPARE(map.Colours(first).PoliticShares.Shares()[0].Count, 30);
        QVERIFY(f.view.Caption().endsWith(QStringLiteral("im April des Jahres 1")));

        // A new report puts the turn back.
        f.view.SetReport(&f.world.Report());
        QCOMPARE(f.turn->value(), 5);
    }

    void everyModeSwitchShowsItsOwnLegendAndHeading()
    {
        Fixture f;
        auto* heading = f.legend.findChild<QLabel*>("Label2");
        auto* turnLabel = f.legend.findChild<QLabel*>("Label1");
        QCOMPARE(heading->text(), QStringLiteral("geographische Karte: keine Legende"));
        QCOMPARE(f.list->count(), 0);
        QVERIFY(!turnLabel->isVisible());

        f.view.ShowStatistic(StatisticKind::Peasants);
        QCOMPARE(heading->text(), QStringLiteral("statistische Karte (Bauern)"));
        QVERIFY(!turnLabel->isVisible());
        QCOMPARE(f.list->count(), 21);

        f.view.ShowGeographic();
        QCOMPARE(f.list->count(), 0);
        QCOMPARE(heading->text(), QStringLiteral("geographische Karte: keine Legende"));

        f.view.ShowStatistic(StatisticKind::Peasants);
        f.view.ShowPolitical(false, PersonsMode::Persons);
        QCOMPARE(f.list->count(), 2);
        QVERIFY(turnLabel->isVisible());
        QCOMPARE(heading->text(), QStringLiteral("politische Karte (Personen, nach Parteien)"));
    }
};

QTEST_MAIN(LegendWindowTest)
#include "legend_window_test.moc"
