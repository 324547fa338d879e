// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics, search and alliance windows on the sample world, opened
// from "E&xtras" as a player opens them.
#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>

#include "app/info/region_window.h"
#include "main_window_harness.h"
#include "model/building.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "tools/stats/report_statistics.h"
#include "tools/ui/alliance_window.h"
#include "tools/ui/colour_list.h"
#include "tools/ui/place_window.h"
#include "tools/ui/search_window.h"
#include "tools/ui/stats_window.h"

using namespace maprune;

namespace {

template <typename Widget> Widget* Child(QWidget& window, const char* name)
{
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

void Click(QPushButton* button)
{
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

void ClickLine(TColourList* list, int row)
{
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Runs `act` on the active modal dialog once it is shown.
template <typename Dialog> void WhenShown(std::function<void(Dialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        act(*dialog);
    });
}

} // namespace

class AnalysisWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void theStatisticsWindowShowsTheFiguresOfTheChosenPartyAndTalent()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        h.window->Menu().Tool("statistics")->trigger();
        auto* stats = h.window->findChild<TStatsWindow*>();
        QVERIFY(stats != nullptr && stats->isVisible());
        QVERIFY(Child<QLabel>(*stats, "Label1")->text().startsWith(u"Sie kommandieren "));
        QVERIFY(Child<QComboBox>(*stats, "ComboBox1")->count() > 1);
        QVERIFY(Child<TColourList>(*stats, "ListBox1")->count() > 0);

        auto* talents = Child<QComboBox>(*stats, "ComboBox2");
        const int camouflage = talents->findText(QStringLiteral("Tarnung"));
        QVERIFY(camouflage >= 0);
        talents->setCurrentIndex(camouflage);
        QVERIFY(Child<QLabel>(*stats, "Label7")->text().toLongLong() > 0);
        QVERIFY(stats->Series()->count() >= 2);
        QCOMPARE(stats->Series()->at(stats->Series()->count() - 1).y(), 0.0);

        // Another party: the window shows that party's goods.
        auto* parties = Child<QComboBox>(*stats, "ComboBox1");
        parties->setCurrentIndex(1);
        const PartyTotals totals
            = PartyTotalsOf(*h.window->Document().Report(), parties->currentData().toInt());
        auto* goods = Child<TColourList>(*stats, "ListBox1");
        QCOMPARE(goods->count(), static_cast<int>(totals.Goods.size()));
        for (int i = 0; i < goods->count(); ++i)
            QCOMPARE(goods->item(i)->text(), QString::fromStdString(totals.Goods[size_t(i)]));
    }

    void aClickOnAHitCentresItsRegionAndADoubleClickOpensAnOwnUnit()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TReportDocument& document = h.window->Document();
        h.window->Menu().Tool("search")->trigger();
        auto* search = h.window->findChild<TSearchWindow*>();
        QVERIFY(search != nullptr && search->isVisible());

        // With "Nummer" empty nothing is found; "*" lists every building.
        QCOMPARE(search->List(0)->count(), 0);
        Child<QLineEdit>(*search, "Edit1")->setText(QStringLiteral("*"));
        int buildings = 0;
        for (const TRegion* region : *document.Report()->Regions)
            buildings += static_cast<int>(region->Buildings->Count());
        QCOMPARE(search->List(0)->count(), buildings);

        ClickLine(search->List(0), 0);
        TRegion* current = document.CurrentRegion();
        QVERIFY(current != nullptr);
        const QString line = search->List(0)->item(0)->text();
        bool holds = false;
        for (const TBuilding* building : *current->Buildings)
            holds = holds
                || line.contains(QStringLiteral("(%1)").arg(
                    QString::fromStdString(document.Report()->FormatNr(building->Nr))));
        QVERIFY(holds);

        // A double-click on an own building opens the building window.
        bool placeShown = false;
        WhenShown<TPlaceWindow>([&placeShown](TPlaceWindow& window) {
            placeShown = window.List()->count() > 0;
            window.reject();
        });
        emit search->List(0)->itemDoubleClicked(search->List(0)->item(0));
        QVERIFY(placeShown);

        // Units of the own party come first; a double-click opens one.
        search->Tabs()->setCurrentIndex(2);
        Child<QLineEdit>(*search, "Edit9")->setText(QStringLiteral("*"));
        QVERIFY(search->List(2)->count() > 0);
        const TUnit* opened = nullptr;
        connect(&h.window->RegionWindow(), &TRegionWindow::unitOpened, this,
            [&opened](const TUnit* unit) { opened = unit; });
        emit search->List(2)->itemDoubleClicked(search->List(2)->item(0));
        QVERIFY(opened != nullptr && opened->IsOwn());

        // The region list stays empty until a region field is edited.
        QCOMPARE(search->List(3)->count(), 0);
        Child<QLineEdit>(*search, "Edit13")->setText(QStringLiteral("*"));
        QVERIFY(search->List(3)->count() > 0);
        ClickLine(search->List(3), 1);
        QCOMPARE(QString::fromStdString(RegionDescription(document.CurrentRegion())),
            search->List(3)->item(1)->text());
    }

    void theAllianceEditorBuildsAlliancesAndExportsThem()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        const QString exported = h.File(QStringLiteral("export.bnd"));
        WhenShown<TAllianceWindow>([&exported](TAllianceWindow& window) {
            window.SetFileAsker([&exported](QWidget*, bool) { return exported; });
            auto* offered = Child<QComboBox>(window, "ComboBox1");
            const int parties = offered->count();
            QVERIFY(parties >= 2);
            QVERIFY(!Child<QPushButton>(window, "Button1")->isEnabled());
            Child<QLineEdit>(window, "Edit1")->setText(QStringLiteral("Nord"));
            Click(Child<QPushButton>(window, "Button1"));
            QVERIFY(!Child<QPushButton>(window, "Button1")->isEnabled()); // the name is taken
            Click(Child<QPushButton>(window, "Button3"));
            QCOMPARE(Child<QListWidget>(window, "ListBox2")->count(), 1);
            QCOMPARE(offered->count(), parties - 1);
            Child<QLineEdit>(window, "Edit1")->setText(QStringLiteral("Süd"));
            Click(Child<QPushButton>(window, "Button1"));
            Click(Child<QPushButton>(window, "Button3"));
            Click(Child<QPushButton>(window, "Button5"));
            Click(Child<QPushButton>(window, "Button7"));
        });
        h.window->Menu().Tool("alliances")->trigger();
        const AllianceList& alliances = h.window->Session().Alliances();
        QCOMPARE(alliances.size(), size_t(2));
        QCOMPARE(alliances[1].Name, std::string("Süd"));
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("Nord\r\n"));
    }
};

QTEST_MAIN(AnalysisWindowsTest)
#include "analysis_windows_test.moc"
