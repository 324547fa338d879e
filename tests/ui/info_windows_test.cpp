// SPDX-License-Identifier: GPL-3.0-or-later
// The region window and the orders editor on the sample world: what a
// player sees of a region and how his orders are written through.
#include <QtTest>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/info/region_window.h"
#include "core/text_encoding.h"
#include "main_window_harness.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"
#include "orders/ui/unit_command_window.h"
#include "tools/ui/colour_list.h"

using namespace maprune;

namespace {

// A region with an own unit and a region north of it (y + 1).
TRegion* OwnRegionWithNorthernNeighbour(TReport& report)
{
    for (TRegion* region : *report.Regions) {
        if (region->CZ != report.ActiveLayer
            || report.FindRegion(region->CX, region->CY + 1, region->CZ) == nullptr)
            continue;
        for (const TUnit* unit : *region->Units) {
            if (unit->IsOwn())
                return region;
        }
    }
    return nullptr;
}

// Starts on the sample world with such a region current; null when either
// failed.
TRegion* StartOnOwnRegion(MainWindowHarness& h)
{
    if (!h.Start({ SampleFile("sample.cr") }))
        return nullptr;
    TReportDocument& document = h.window->Document();
    TRegion* region = OwnRegionWithNorthernNeighbour(*document.Report());
    document.SetCurrentRegion(region);
    return region;
}

QString LabelText(QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void theRegionWindowShowsTheCurrentRegionAndItsOwnUnitsOrders()
    {
        MainWindowHarness h;
        TRegion* region = StartOnOwnRegion(h);
        QVERIFY(region != nullptr);
        TMainWindow& w = *h.window;
        TReportDocument& document = w.Document();

        TRegionWindow& regionWindow = w.RegionWindow();
        QCOMPARE(
            LabelText(regionWindow, "Label5"), QString::number(region->Peasants->CurrentValue()));
        auto* units = regionWindow.findChild<TColourList*>(QStringLiteral("ListBox2"));
        QVERIFY(regionWindow.UnitAt(units->currentRow())->IsOwn());

        // The orders editor shows the selected own unit and writes through.
        TUnitCommandWindow& orders = w.CommandWindow();
        TUnit* unit = regionWindow.UnitAt(units->currentRow());
        QVERIFY(!orders.Editor()->isReadOnly());
        QVERIFY(orders.WeightLine()->text().startsWith(QStringLiteral("Gesamtgewicht: ")));
        QVERIFY(!document.Modified());
        orders.Editor()->setPlainText(QStringLiteral("ARBEITEN\n; später LERNEN"));
        // Stored in the report's own encoding.
        QStringList stored;
        for (const std::string& line : unit->Commands->Lines())
            stored += QString::fromStdString(DisplayText(line));
        QCOMPARE(stored, (QStringList { "ARBEITEN", "; später LERNEN" }));
        QVERIFY(document.Modified());
        // The unit's line shows the new first order, the unit stays chosen.
        const int row = units->currentRow();
        QVERIFY2(units->item(row)->text().endsWith(QStringLiteral(", \"ARBEITEN\"")),
            qPrintable(units->item(row)->text()));
        orders.Editor()->setPlainText(QStringLiteral("LERNEN Reiten"));
        QVERIFY(units->item(row)->text().endsWith(QStringLiteral(", \"LERNEN Reiten\"")));
        QCOMPARE(units->currentRow(), row);
        QCOMPARE(orders.Editor()->toPlainText(), QStringLiteral("LERNEN Reiten"));

        // A unit of another party: its orders stay out of reach.
        for (int row = 0; row < units->count(); ++row) {
            if (!regionWindow.UnitAt(row)->IsOwn()) {
                units->setCurrentRow(row);
                QVERIFY(orders.Editor()->isReadOnly());
                QVERIFY(orders.Editor()->toPlainText().isEmpty());
            }
        }

        // Alt+Up goes to the region at y + 1.
        units->setCurrentRow(0);
        const int32_t x = region->CX;
        const int32_t y = region->CY;
        QTest::keyClick(orders.Editor(), Qt::Key_Up, Qt::AltModifier);
        QVERIFY(document.CurrentRegion() != nullptr);
        QCOMPARE(document.CurrentRegion()->CX, x);
        QCOMPARE(document.CurrentRegion()->CY, y + 1);
    }

    void commentsAreAddedAndDeletedAndARegionSeenInPassingHasNoFigures()
    {
        MainWindowHarness h;
        TRegion* region = StartOnOwnRegion(h);
        QVERIFY(region != nullptr);
        TMainWindow& w = *h.window;
        TReportDocument& document = w.Document();
        TRegionWindow& regionWindow = w.RegionWindow();
        regionWindow.SetCommentAsker([](QWidget*) { return QStringLiteral("Hier Grün anbauen"); });
        const int before = region->Comment->Count();

        regionWindow.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        QCOMPARE(region->Comment->Count(), before + 1);
        QVERIFY(document.Modified());
        auto* comments = regionWindow.findChild<TColourList*>(QStringLiteral("ListBox5"));
        QCOMPARE(comments->count(), before + 1);

        auto* remove = regionWindow.findChild<QPushButton*>(QStringLiteral("Button2"));
        QVERIFY(!remove->isEnabled());
        comments->setCurrentRow(before);
        QTest::mouseClick(comments->viewport(), Qt::LeftButton, {},
            comments->visualItemRect(comments->item(before)).center());
        QVERIFY(remove->isEnabled());
        h.messages.answers = { ButtonYes };
        remove->click();
        QCOMPARE(region->Comment->Count(), before);

        // Seen only in passing: no figures, yet the units are listed.
        region->FullInfoDate = 0;
        document.SetCurrentRegion(nullptr);
        document.SetCurrentRegion(region);
        QCOMPARE(LabelText(regionWindow, "Label5"), QStringLiteral("- ? -"));
        QCOMPARE(regionWindow.findChild<TColourList*>(QStringLiteral("ListBox2"))->count(),
            static_cast<int>(region->Units->Count()));
    }
};

QTEST_MAIN(InfoWindowsTest)
#include "info_windows_test.moc"
