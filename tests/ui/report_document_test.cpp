// SPDX-License-Identifier: GPL-3.0-or-later
// Windows let go of the model objects of a report before the document frees
// them; run under AddressSanitizer, a window that kept one fails here.
#include <QtTest>

#include <functional>

#include <QTreeWidget>

#include "app/info/region_window.h"
#include "app/main_map_view.h"
#include "app/main_menu.h"
#include "app/structure_window.h"
#include "core/progress.h"
#include "main_window_harness.h"
#include "map/ui/render/map_pictures.h"
#include "model/json_form.h"
#include "model/lines.h"
#include "model/region.h"
#include "model/report.h"
#include "model/unit.h"

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

TUnit* FirstOwnUnit(const TReport& report)
{
    for (TRegion* region : *report.Regions) {
        for (TUnit* unit : *region->Units) {
            if (unit->IsOwn())
                return unit;
        }
    }
    return nullptr;
}

// One edit of the document: `prepare` sets up the model before the
// report's state is taken (and is no edit), `edit` is the operation.
struct Edit {
    const char* Name;
    std::function<void(TReport&)> Prepare;
    std::function<void(TReportDocument&, TReport&)> Run;
    DocumentChangeKind Kind;
    bool ChangesDatabase = true;
};

const std::vector<Edit>& Edits()
{
    static const std::vector<Edit> edits {
        { "unit orders", nullptr,
            [](TReportDocument& d, TReport& r) {
                d.SetUnitOrders(*FirstOwnUnit(r), { "ARBEITEN", "; neu" });
            },
            DocumentChangeKind::UnitOrders },
        { "add comment", nullptr,
            [](TReportDocument& d, TReport& r) {
                d.AddRegionComment(*FirstNamedRegion(r), "Hier ist Eisen");
            },
            DocumentChangeKind::RegionComments },
        { "delete comment",
            [](TReport& r) {
                FirstNamedRegion(r)->Comment->Add("erste");
                FirstNamedRegion(r)->Comment->Add("zweite");
            },
            [](TReportDocument& d, TReport& r) { d.DeleteRegionComment(*FirstNamedRegion(r), 0); },
            DocumentChangeKind::RegionComments },
        { "delete party", nullptr,
            [](TReportDocument& d, TReport& r) { QVERIFY(d.DeleteParty((*r.Parties)[1]->Nr)); },
            DocumentChangeKind::Parties },
        { "series", nullptr, [](TReportDocument& d, TReport&) { d.SetSeries("Bauern;B"); },
            DocumentChangeKind::Series },
        { "origin", nullptr, [](TReportDocument& d, TReport&) { d.SetOrigin(3, -2); },
            DocumentChangeKind::Origin },
        { "selection by a command", nullptr,
            [](TReportDocument& d, TReport&) {
                d.EditSelection(QStringLiteral("Alles auswählen"), [](TReport& r) {
                    for (TRegion* region : *r.Regions)
                        region->SetTag(region->Tag() | TagSelected);
                });
            },
            DocumentChangeKind::Selection },
        { "one region selected", nullptr,
            [](TReportDocument& d, TReport& r) { d.SetRegionSelected(*FirstNamedRegion(r), true); },
            DocumentChangeKind::Selection },
    };
    return edits;
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

    // Every edit is undone to exactly the former report and redone to
    // exactly the edited one; "changed" follows, and each step announces
    // one change of the edit's kind.
    void everyEditIsUndoneAndRedoneExactly()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TReportDocument& document = h.window->Document();
        QUndoStack& stack = document.UndoStack();
        for (const Edit& edit : Edits()) {
            // The edit before is dropped.
            h.messages.answers = { ButtonNo };
            QVERIFY(h.window->Files().OpenFile(SampleFile("sample.cr")));
            h.TakeMessages();
            TReport& report = *document.Report();
            if (edit.Prepare)
                edit.Prepare(report);
            const std::string before = ToJson(report);
            std::vector<DocumentChangeKind> kinds;
            const QMetaObject::Connection watch = connect(&document, &TReportDocument::changed,
                this, [&kinds](const DocumentChange& change) { kinds.push_back(change.Kind); });

            edit.Run(document, report);
            const std::string after = ToJson(report);
            QVERIFY2(after != before, edit.Name);
            QCOMPARE(document.Modified(), edit.ChangesDatabase);
            stack.undo();
            QVERIFY2(ToJson(report) == before, edit.Name);
            QVERIFY2(!document.Modified(), edit.Name);
            stack.redo();
            QVERIFY2(ToJson(report) == after, edit.Name);
            QCOMPARE(document.Modified(), edit.ChangesDatabase);
            disconnect(watch);
            QCOMPARE(kinds, std::vector<DocumentChangeKind>(3, edit.Kind));
        }
    }

    // Typing in one unit's orders is one step, named in the menu; saving and
    // opening start the history anew, and an undo back to the save leaves
    // the report unchanged.
    void typingIsOneStepAndTheSaveIsTheUnchangedState()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TReportDocument& document = h.window->Document();
        QUndoStack& stack = document.UndoStack();
        TReport& report = *document.Report();
        TUnit& unit = *FirstOwnUnit(report);
        const MainMenu& menu = h.window->Menu();
        QVERIFY(!menu.Undo->isEnabled());

        document.SetUnitOrders(unit, { "A" });
        document.SetUnitOrders(unit, { "AR" });
        document.SetUnitOrders(unit, { "ARB" });
        QCOMPARE(stack.count(), 1);
        QCOMPARE(menu.Undo->text(),
            QStringLiteral("&Rückgängig: Befehle von Einheit ")
                + QString::fromStdString(report.FormatNr(unit.Nr)));

        const QString saved = h.folder.filePath(QStringLiteral("saved.kdf"));
        NullProgress progress;
        document.Save(saved, { KdfWriteOptions {}, progress });
        QVERIFY(!document.Modified());
        QVERIFY(!menu.Undo->isEnabled());
        QCOMPARE(menu.Undo->text(), QStringLiteral("&Rückgängig"));

        document.SetUnitOrders(unit, { "ARBEITEN" });
        QVERIFY(document.Modified());
        menu.Undo->trigger();
        QVERIFY(!document.Modified());
        QCOMPARE(unit.Commands->Lines(), std::vector<std::string> { "ARB" });
        QVERIFY(menu.Redo->isEnabled());

        QVERIFY(h.window->Files().OpenFile(saved));
        QCOMPARE(stack.count(), 0);
    }
};

QTEST_MAIN(ReportDocumentTest)
#include "report_document_test.moc"
