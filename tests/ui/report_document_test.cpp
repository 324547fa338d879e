// SPDX-License-Identifier: GPL-3.0-or-later
// Windows let go of the model objects of a report before the document frees
// them; run under AddressSanitizer, a window that kept one fails here.
#include <QtTest>

#include <functional>

#include <QTreeWidget>

#include "app/info/region_window.h"
#include "app/main_map_view.h"
#include "app/structure_window.h"
#include "main_window_harness.h"
#include "map/ui/render/map_pictures.h"
#include "model/region.h"
#include "model/report.h"

using namespace maprune;

namespace {

TRegion* FirstNamedRegion(const TReport& report)
{
    for (TRegion* region : *report.Regions) {
        if (region->CZ == report.ActiveLayer && !region->Name.empty())
            return region;
    }
    return nullptr;
}

} // namespace

class ReportDocumentTest : public QObject {
    Q_OBJECT

    TMapPictures FPictures { MapLayout::XAxisWestEast };

private slots:
    void windowsDropModelObjectsBeforeTheyAreFreed_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("another report opened") << QStringLiteral("open");
        QTest::newRow("a report added") << QStringLiteral("add");
    }

    void windowsDropModelObjectsBeforeTheyAreFreed()
    {
        QFETCH(QString, operation);
        MainWindowHarness h;
        h.pictures = &FPictures;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TMainWindow& w = *h.window;
        TReportDocument& document = w.Document();
        auto& map = *w.findChild<TMainMapView*>(QStringLiteral("Image1"));
        w.Menu().InfoWindows.Structure->setChecked(true);
        QTreeWidget& tree = *w.StructureWindow().Tree();
        tree.expandAll();
        TRegion* region = FirstNamedRegion(*document.Report());
        QVERIFY(region != nullptr);
        map.CentreOn(*region);
        QCOMPARE(document.CurrentRegion(), region);

        // When the document announces the freeing, the old objects are
        // still there and the current region is gone already.
        const TReport* old = document.Report();
        int announced = 0;
        const QMetaObject::Connection watch
            = connect(&document, &TReportDocument::modelObjectsAboutToBeFreed, this, [&] {
                  ++announced;
                  QVERIFY(document.Report() == old);
                  QVERIFY(document.CurrentRegion() == nullptr);
                  QVERIFY(map.CurrentRegion() == nullptr);
              });
        const std::function<void()> run = operation == QStringLiteral("open")
            ? std::function<void()>([&] { QVERIFY(w.Files().OpenFile(SampleFile("sample.cr"))); })
            : std::function<void()>([&] { w.Files().AddFiles({ SampleFile("sample-turn2.cr") }); });
        run();
        disconnect(watch);
        QVERIFY(announced >= 1);
        QVERIFY(document.CurrentRegion() == nullptr);
        QVERIFY(map.CurrentRegion() == nullptr);
        QVERIFY(map.HoveredRegion() == nullptr);
        QVERIFY(w.RegionWindow().UnitAt(0) == nullptr);

        // Everything the windows show comes from the report as it is now.
        tree.expandAll();
        map.Redraw();
        QTest::mouseMove(map.viewport(), QPoint(40, 40));
        map.CentreOn(*FirstNamedRegion(*document.Report()));
        QVERIFY(document.CurrentRegion() != nullptr);
    }
};

QTEST_MAIN(ReportDocumentTest)
#include "report_document_test.moc"
