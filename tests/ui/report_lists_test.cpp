// SPDX-License-Identifier: GPL-3.0-or-later
// The messages, addresses, spells and allies windows and the reference
// windows on the sample world, as a player uses them.
#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "app/info/addresses_window.h"
#include "app/info/messages_window.h"
#include "core/mailto_url.h"
#include "main_window_harness.h"
#include "model/report.h"
#include "tools/ui/colour_list.h"

using namespace maprune;

namespace {

TColourList& List(QWidget& window, const char* name)
{
    return *window.findChild<TColourList*>(QString::fromLatin1(name));
}

void PressDelete(QListWidget& list, int row)
{
    list.setCurrentRow(row);
    QTest::keyClick(&list, Qt::Key_Delete);
}

} // namespace

class ReportListsTest : public QObject {
    Q_OBJECT
private slots:
    void theMessagesWindowFiltersAndLeadsToTheRegion()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        auto* messages = h.window->findChild<TMessagesWindow*>();
        QVERIFY(messages != nullptr);
        h.window->Menu().InfoWindows.Messages->setChecked(true);
        TColourList& own = List(*messages, "ListBox1");
        QCOMPARE(Lines(own),
            QStringList({ QStringLiteral("Willkommen in Runde 200."),
                QStringLiteral("Die Straßen sind unsicher geworden.") }));

        auto* filter = messages->findChild<QLineEdit*>(QStringLiteral("Filter1"));
        QTest::keyClicks(filter, QStringLiteral("STRAßEN"));
        QCOMPARE(
            Lines(own), QStringList({ QStringLiteral("Die Straßen sind unsicher geworden.") }));
        filter->clear();
        QCOMPARE(own.count(), 2);

        // The caption buttons choose the pages.
        messages->findChild<QToolButton*>(QStringLiteral("TabButton10"))->click();
        QCOMPARE(messages->findChild<QTabWidget*>(QStringLiteral("PageControl1"))
                     ->currentWidget()
                     ->objectName(),
            QStringLiteral("TabSheet10"));

        // A double-click on a surroundings line makes its region current.
        TColourList& surroundings = List(*messages, "ListBox10");
        QVERIFY(surroundings.count() > 0);
        qRegisterMetaType<TRegion*>();
        QSignalSpy centred(&h.window->Document(), &TReportDocument::centreRequested);
        QListWidgetItem* first = surroundings.item(0);
        emit surroundings.itemDoubleClicked(first);
        QCOMPARE(centred.count(), 1);
        TRegion* current = h.window->Document().CurrentRegion();
        QVERIFY(current != nullptr);
        QVERIFY(first->text().startsWith(QString::fromStdString(RegionDescription(current))));
    }

    void theListWindowsShowTheOpenReportWhenShown()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        const InfoWindowEntries& entries = h.window->Menu().InfoWindows;
        struct Case {
            QAction* Entry;
            const char* Window;
            const char* List;
            int SampleLines;
        };
        for (const Case& c : { Case { entries.Messages, "MessagesWindow", "ListBox1", 2 },
                 Case { entries.Addresses, "AddressesWindow", "XListBox1", 4 },
                 Case { entries.Allies, "AlliesWindow", "XListBox1", 2 },
                 Case { entries.Spells, "Form15", "XListBox1", 3 } }) {
            TColourList& list
                = List(*h.window->findChild<QWidget*>(QString::fromLatin1(c.Window)), c.List);
            c.Entry->setChecked(false);
            // Opened while hidden: not filled until shown.
            QVERIFY(h.window->Files().OpenFile(SampleFile("sample.cr")));
            QCOMPARE(list.count(), 0);
            c.Entry->setChecked(true);
            QCOMPARE(list.count(), c.SampleLines);
            // Changed while shown: at once.
            h.window->Document().Replace(nullptr, QString());
            QCOMPARE(list.count(), 0);
            QVERIFY(h.window->Files().OpenFile(SampleFile("sample.cr")));
            QCOMPARE(list.count(), c.SampleLines);
            c.Entry->setChecked(false);
            h.window->Document().Replace(nullptr, QString());
        }
    }

    void anAddressIsMailedOrDeletedAfterAsking()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        TReportDocument& document = h.window->Document();
        auto* addresses = h.window->findChild<TAddressesWindow*>();
        h.window->Menu().InfoWindows.Addresses->setChecked(true);
        TColourList& list = List(*addresses, "XListBox1");
        QCOMPARE(list.count(), 4);
        QList<QUrl> opened;
        addresses->SetUrlOpener([&opened](const QUrl& url) { opened += url; });
        list.setCurrentRow(0);
        emit list.itemDoubleClicked(list.item(0));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].toEncoded(),
            QByteArray::fromStdString(MailtoUrl("partei1@kelvaran.example", "Kelvaran")));

        const QString second = list.item(1)->text();
        const int32_t party = TColourList::NumberOf(*list.item(1));
        h.messages.answers = { ButtonNo };
        PressDelete(list, 1);
        QCOMPARE(h.TakeMessages(),
            std::vector<std::string> {
                "Wollen Sie diese Adresse wirklich löschen: " + second.toStdString() + "?" });
        QCOMPARE(list.count(), 4);
        QVERIFY(document.Report()->FindParty(party) != nullptr);
        QVERIFY(!document.Modified());

        // Yes: the party goes, and every window that lists parties follows.
        QSignalSpy changed(&document, &TReportDocument::changed);
        h.messages.answers = { ButtonYes };
        PressDelete(list, 1);
        QCOMPARE(list.count(), 3);
        QVERIFY(!Lines(list).contains(second));
        QVERIFY(document.Report()->FindParty(party) == nullptr);
        QVERIFY(document.Modified());
        QCOMPARE(changed.count(), 1);
    }

    void everyEntryOpensItsWindow()
    {
        MainWindowHarness h;
        QVERIFY(h.Start({ SampleFile("sample.cr") }));
        const MainMenu& menu = h.window->Menu();
        const InfoWindowEntries& entries = menu.InfoWindows;
        for (QAction* entry :
            { entries.Messages, entries.Addresses, entries.Spells, entries.Allies }) {
            QVERIFY(entry->isEnabled());
            entry->setChecked(true);
        }
        auto* spells = h.window->findChild<QWidget*>(QStringLiteral("Form15"));
        QVERIFY(spells->isVisible());
        QCOMPARE(List(*spells, "XListBox1").count(), 3);
        QCOMPARE(List(*spells, "XListBox2").count(), 2);
        auto* allies = h.window->findChild<QWidget*>(QStringLiteral("AlliesWindow"));
        QVERIFY(List(*allies, "XListBox1").count() > 0);

        // Each reference window shows its first type and closes with OK.
        for (QAction* entry :
            { menu.Races, menu.Talents, menu.Items, menu.Commands, menu.Buildings }) {
            QString shown;
            QTimer::singleShot(0, [&shown] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (dialog == nullptr)
                    return;
                auto* choice = dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
                shown = dialog->windowTitle() + QLatin1Char(':') + choice->currentText();
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            });
            entry->trigger();
            QVERIFY2(shown.contains(QStringLiteral(" in Kelvaran:")), qPrintable(shown));
            QVERIFY2(!shown.endsWith(QLatin1Char(':')), qPrintable(shown));
        }
    }
};

QTEST_MAIN(ReportListsTest)
#include "report_lists_test.moc"
